#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/model/StarSystem.h"

namespace kelvane {

// A system as CSV, one row per orbit, for kelvane-cli and the desktop
// program alike: the header once, then the rows of system after system
// appended to one buffer. Distances are in their shortest exact form with
// "."; a field with a comma, quote, CR or LF is quoted.

// The CSV header line, ending in "\n".
void AppendCsvHeader(std::string& out);
// Ten CSV rows, one per orbit; systemNumber fills the first column, and the
// system's code (empty when it has none) the one after the orbit's columns.
// The names the JSON gives follow it: the star's class and type, what the
// orbit holds (nothing, asteroids, planet, unknown) and its environment
// (empty for anything but a planet).
void AppendCsvRows(std::string& out, const StarSystem& system, std::uint64_t systemNumber,
                   std::string_view code);

} // namespace kelvane
