#pragma once

#include <cstdint>
#include <string>

#include "core/model/StarSystem.h"

namespace kelvane {

// Plain-text ways of printing a system, the same bytes for kelvane-cli and
// the desktop program (CSV is in SystemCsv.h). Each appends to out, so a
// caller can stream many systems through one buffer. JSON always writes
// distances in their shortest exact form with "."; the text table shows them
// as the Information window does, with the given decimal separator.

// One JSON object; indent is the indentation of its opening brace's line, and
// the text ends without a newline so that the caller can place separators.
void AppendJson(std::string& out, const StarSystem& system, int indent);

// A readable table: the star and zone, then one row per orbit with its
// contents, environment, moons, distance and elements. Control characters in
// the name and the element texts are shown as \xNN, so that a file cannot
// drive the terminal it is shown on.
void AppendText(std::string& out, const StarSystem& system, char decimalSeparator);

// What an orbit's Type holds, for the JSON "contents" field: "nothing",
// "asteroids", "planet" or "unknown".
const char* ContentsKeyword(std::int32_t type);

} // namespace kelvane
