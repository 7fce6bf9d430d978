#pragma once

#include <string>

#include "cli/Commands.h"

namespace kelvane {

// show of a sector's index, sector.json, which kelvane-cli sector writes.

// Whether show's FILE, read whole into bytes, is a sector's index: its name
// ends in .json (in any case), or it starts with "{".
bool IsSectorFileArgument(const std::string& path, const std::string& bytes);

// show DIR/sector.json [--format text|json|csv]: the index's bytes, read from
// the file messages call name, shown as a table, as the index written anew,
// or as one CSV row per system.
int ShowSectorCommand(const std::string& name, const std::string& bytes, SystemFormat format);

} // namespace kelvane
