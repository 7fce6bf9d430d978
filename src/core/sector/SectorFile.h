#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/files/FileResult.h"
#include "core/sector/Sector.h"

namespace kelvane {

// The index of a sector folder, sector.json: the options the sector was made
// from and one line per occupied hex, in hex order:
//
//   {
//     "kelvaneSector": 1,
//     "seed": "1234",
//     "width": 8,
//     "height": 10,
//     "density": 0.5,
//     "lifeSupport": 2,
//     "biozone": 1,
//     "systems": [
//       {"hex": "0102", "name": "Kelvaris", "code": "...", "starClass": "Main Sequence (V)",
//        "starType": "Red (M)", "bestEnvironment": "Good", "planets": 4, "belts": 1, "moons": 6},
//       ...
//     ]
//   }
//
// (each system on one line). The seed is a string because it can exceed what
// many JSON readers hold exactly; the density is the shortest decimal that
// reads back as the same number; bestEnvironment is null for a system
// without planets. Names are the display names of the program's tables. A
// system edited in the program after it was made ends in "edited": true:
// its code makes it as it was made, its summary is of the system as it is,
// and its CCRR.KVN beside the index holds it.
//
// What the game master wrote makes the file version 2: the sector's "name"
// after "kelvaneSector", a system's "notes" at the end of its line, and after
// "systems" the notes of empty hexes:
//
//     "emptyHexes": [
//       {"hex": "0304", "notes": "A nebula; the patrol waits here."},
//       ...
//     ]
//
// A sector with neither is written as version 1, as before, so that a seed
// gives the same index in every version; a reader of version 1 refuses a
// version 2 index rather than lose its notes.
inline constexpr char SectorFileName[] = "sector.json";
inline constexpr int SectorFileVersion = 2;

// The furthest system of a run that a code in sector.json may name. Making a
// system again from its code runs every system of the run before it, and
// opening a sector makes each of its systems: this keeps opening the largest
// sector under a second. The program's own sectors name the first system.
inline constexpr std::uint64_t MaxSectorRunNumber = 64;

// The text of sector.json for sector; the same sector gives the same bytes.
std::string SectorFileText(const Sector& sector);

// Reads a sector.json text into sector, replacing all of it. Members it does
// not know are ignored. A system's summary fields may be left out, and are
// then worked out from its code; its system is made again from its code and
// given its name (an edited one as it was made: ReadSectorFolder reads it as
// it is from its file). Returns Done, or BadContent saying what is wrong: JSON
// that does not parse (with its line), a version newer than
// SectorFileVersion, a missing or wrong member ("width 65 is not between 1
// and 64", "system 0405: its code does not read: ...", a code further into
// its run than MaxSectorRunNumber, notes HexNotesFault refuses), a hex
// outside the grid or listed twice. sector is then unchanged.
FileResult ReadSectorText(std::string_view text, Sector& sector);

// ReadSectorText of the file at path; CannotAccess when it cannot be read.
FileResult ReadSectorFile(const std::string& path, Sector& sector);

} // namespace kelvane
