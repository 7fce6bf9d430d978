#pragma once

#include <string>
#include <string_view>

#include "core/model/StarSystem.h"

namespace kelvane {

// Plain-text ways of printing a system, the same bytes for kelvane-cli and
// the desktop program (CSV is in SystemCsv.h). Each appends to out, so a
// caller can stream many systems through one buffer. JSON always writes
// distances in their shortest exact form with "."; the text table shows them
// as the Information window does, with the given decimal separator.

// code is the system's code (core/model/SystemCode.h) as text, or empty for
// a system that has none, such as one loaded from a file.

// One JSON object; indent is the indentation of its opening brace's line, and
// the text ends without a newline so that the caller can place separators.
// "code" follows "name", null without a code.
void AppendJson(std::string& out, const StarSystem& system, std::string_view code, int indent);

// A readable table: the name, the code (a line only when there is one), the
// star and zone, then one row per orbit with its contents, environment,
// moons, distance and elements. Control characters in the name and the
// element texts are shown as \xNN, so that a file cannot drive the terminal
// it is shown on.
void AppendText(std::string& out, const StarSystem& system, std::string_view code, char decimalSeparator);

// The same as Markdown, for pasting into notes and wikis: the name as a
// heading, the star in a small table, then the orbit table. The element
// letters stand in code spans so that they keep their columns; characters
// that Markdown would read as markup are escaped.
void AppendMarkdown(std::string& out, const StarSystem& system, std::string_view code, char decimalSeparator);

} // namespace kelvane
