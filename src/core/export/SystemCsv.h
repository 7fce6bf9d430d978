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
// system's code (empty when it has none) the last.
void AppendCsvRows(std::string& out, const StarSystem& system, std::uint64_t systemNumber,
                   std::string_view code);

} // namespace kelvane
