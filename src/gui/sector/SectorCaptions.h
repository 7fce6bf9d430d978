#pragma once

#include <QString>

#include "core/sector/Sector.h"

namespace kelvane {

// The Sector window's and New Sector's own lines about a sector, in the
// user's language: the files and kelvane-cli keep the core's English
// (SectorTitle, SectorOptionsText), the windows show these.

// "Sector 7: 8 x 10 hexes, 44 systems"; a name the sector was given as it
// is.
QString SectorCaption(const Sector& sector);
// "Life Support Average, Bio Zone Normal": how the systems are made.
QString GenerationCaption(const SectorOptions& options);
// "Life Support Average, Bio Zone Normal, density 0.5".
QString OptionsCaption(const SectorOptions& options);

} // namespace kelvane
