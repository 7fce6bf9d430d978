#pragma once

#include <string>

#include "cli/Commands.h"

namespace kelvane {

// show of a sector's index, sector.json, which kelvane-cli sector writes.

// Whether show's FILE is a sector's index: its name ends in .json (in any
// case), or it starts with "{".
bool IsSectorFileArgument(const std::string& path);

// show DIR/sector.json [--format text|json|csv]: the sector as a table, as
// its index written anew, or one CSV row per system.
int ShowSectorCommand(const std::string& path, SystemFormat format);

} // namespace kelvane
