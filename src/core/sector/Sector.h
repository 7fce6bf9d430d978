#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/StarSystem.h"
#include "core/sector/HexGrid.h"
#include "core/settings/AppSettings.h"
#include "core/text/Message.h"

namespace kelvane {

// What a sector is made from: one seed, the size of its grid, the chance
// that a hex holds a system, and the two generation options every system of
// it is made with.
struct SectorOptions {
    static constexpr int MaxWidth = 64;
    static constexpr int MaxHeight = 80;

    std::uint64_t seed = 0;
    int width = 8;
    int height = 10;
    double density = 0.5;                                     // 0 to 1
    LifeSupportLevel lifeSupport = LifeSupportLevel::Average; // Poor to Excellent, as the program's option
    BiozoneWidth biozone = BiozoneWidth::Normal;              // Normal to Triple

    bool operator==(const SectorOptions&) const = default;
};

// Empty text when the options make a sector, else what is wrong with them,
// as "width 65 is not between 1 and 64".
std::string CheckSectorOptions(const SectorOptions& options);

// What a sector's list and map show of one system.
struct SystemSummary {
    std::int16_t starClass = 0;
    std::int32_t starType = 0;
    // The best environment of its planets (an OrbitType code), TypeNothing
    // when it has none.
    std::int32_t bestEnvironment = 0;
    int planets = 0;
    int belts = 0;
    int moons = 0; // of all its planets

    bool operator==(const SystemSummary&) const = default;
};

// The summary of a system: every orbit that holds neither nothing nor a belt
// counts as a planet, as generation treats it; environments rank from None
// to Excellent, and a type outside that table has none.
SystemSummary SummarizeSystem(const StarSystem& system);

// One occupied hex: its system's name, its code (the text that made the
// system), its summary and the system itself, named. A system edited after
// it was made (an orbit forced, a popup item chosen) keeps the code it was
// made from, and is marked edited: that code no longer makes it.
struct SectorSystem {
    HexNumber hex;
    std::string name;
    std::string code;
    SystemSummary summary;
    StarSystem system;
    bool edited = false;

    bool operator==(const SectorSystem&) const = default;
};

// A generated or opened sector: its options, its occupied hexes in hex
// order, and what the game master wrote: the sector's name and notes on any
// hex, occupied or empty.
struct Sector {
    SectorOptions options;
    std::vector<SectorSystem> systems;
    // Empty until the sector is named; SectorName gives "Sector 1234" then.
    std::string name;
    // Each hex with notes and its text (HexNotesFault takes it); a hex
    // without notes is not listed.
    std::map<HexNumber, std::string> notes;

    HexGrid Grid() const { return HexGrid(options.width, options.height); }
    // The system in hex, or null when the hex is empty.
    const SectorSystem* At(HexNumber hex) const;

    // The entry of hex, or null when the hex is empty.
    SectorSystem* Find(HexNumber hex);

    // The notes of hex, empty when it has none.
    const std::string& NotesOf(HexNumber hex) const;
    // Gives hex these notes; an empty text takes them away.
    void SetNotes(HexNumber hex, std::string text);

    bool operator==(const Sector&) const = default;
};

// A system's name in a sector's index and on its map: 1 to MaxSectorNameBytes
// bytes, without line breaks or other control characters (a system file keeps
// the name on one line). Spaces are characters like any other.
inline constexpr std::size_t MaxSectorNameBytes = 200;

// Nothing when name can stand in a sector, else what is wrong with it, to follow
// the name's place in a message: "is empty or longer than 200 bytes" or
// "holds a line break or another control character".
Message SectorNameFault(std::string_view name);

inline bool IsSectorName(std::string_view name)
{
    return SectorNameFault(name).Empty();
}

// The sector's name, or "Sector 1234" (its seed) while it has none.
std::string SectorName(const Sector& sector);

// The most a hex's notes may hold, in bytes.
inline constexpr std::size_t MaxHexNotesBytes = std::size_t{64} << 10;

// Nothing when text can be a hex's notes, else what is wrong with it, to follow
// "the notes": "are longer than 65536 bytes" or "are not UTF-8 text". Notes
// are free text of any lines; a lone surrogate that a JSON escape wrote is
// kept as AppendUtf8 keeps it.
Message HexNotesFault(std::string_view text);

// Puts system in entry as the hex's system from now on: its summary follows
// it, and so does its name where IsSectorName takes it (else the entry keeps
// the name it had). generated is the system the entry's code makes; the
// entry is edited when its system differs from that in more than the name.
void SetHexSystem(SectorSystem& entry, const StarSystem& system, const StarSystem& generated);

} // namespace kelvane
