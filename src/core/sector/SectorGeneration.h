#pragma once

#include <cstdint>

#include "core/model/SystemCode.h"
#include "core/sector/Sector.h"

namespace kelvane {

// A sector follows from its options alone. Each hex holds a system when its
// occupancy draw (a number in [0, 1)) is below the density; that system is
// the first of a seeded run whose seed the hex draws, with the sector's Life
// Support and Bio Zone, so its Batch code makes it again anywhere, and
// `kelvane-cli new --seed` of that seed prints it too. Its name comes from
// SectorNames.

// Whether hex holds a system in a sector with these options.
bool HexOccupied(const SectorOptions& options, HexNumber hex);

// The seed of the run whose first system stands in hex: 42 bits, so that
// its code stays four groups long.
std::uint64_t HexSystemSeed(std::uint64_t sectorSeed, HexNumber hex);

// The code of the system in hex (occupied or not).
SystemCode HexSystemCode(const SectorOptions& options, HexNumber hex);

// The whole sector: every occupied hex in hex order with its named system,
// code and summary. The options must pass CheckSectorOptions.
Sector GenerateSector(const SectorOptions& options);

} // namespace kelvane
