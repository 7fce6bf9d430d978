#pragma once

#include <string>

#include "cli/Commands.h"

namespace kelvane {

// sector [--seed S] [--width 1-64] [--height 1-80] [--density 0-1]
//        [--life-support 1-4] [--biozone 1-3] [--book on|off] -o DIR
//
// Generates a sector and writes its folder DIR (made when missing): one
// system file CCRR.KVN per occupied hex, as Save As writes it with the
// system's name; sector.svg, the map; with --book on, sector.pdf, the map
// and a report page per system (left out by default: for a large sector
// the book is most of the work); and last sector.json, the index. Without
// --seed a random seed is taken, and sector.json keeps it. DIR must be empty or hold only the
// files of a sector written before, which are then replaced; system files of
// that sector whose hexes the new one leaves empty are removed. Every file
// goes through the safe writer. Exit 1 with "kelvane-cli: PATH: reason"
// when DIR or a file cannot be written.
int SectorCommand(const CliRequest& request);

} // namespace kelvane
