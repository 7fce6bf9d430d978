#pragma once

#include <string>

#include "core/sector/Sector.h"

namespace kelvane {

// A hex of a sector in words, for readers that cannot see the map:
// "0304 Heltathe: Yellow (G), Main Sequence (V), best world Poor", a system
// without planets "..., no planets" (whose planets are all of a type no table
// names "..., planets of no known environment"), an empty hex "0305: no
// system"; a hex with notes ends in ", notes".
std::string HexDescription(const Sector& sector, HexNumber hex);

} // namespace kelvane
