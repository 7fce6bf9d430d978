#pragma once

#include <cstdint>
#include <string>
#include <unordered_set>

#include "core/sector/HexGrid.h"

namespace kelvane {

// The pronounceable names of a sector's systems, such as "Kelvaris" or
// "Orathe": two or three syllables from tables of our own, joined only where
// they read well (no two vowels or three consonants meeting, no doubled
// letter), 3 to 10 letters, the first a capital.
//
// Names are handed out in hex order, each unique in the sector whatever its
// case: a hex whose first choice is taken tries again with the next draws of
// its own stream, so the names follow from the sector's seed alone.
class SectorNames {
public:
    static constexpr std::size_t MaxLength = 10;

    explicit SectorNames(std::uint64_t sectorSeed) : m_seed(sectorSeed) {}

    // The name of the system in hex, not given to any hex before.
    std::string NameFor(HexNumber hex);

    // The name a hex is offered on its attempt-th try (from 0), or empty
    // text when that try makes no name of the right length.
    static std::string Candidate(std::uint64_t sectorSeed, HexNumber hex, std::uint64_t attempt);

private:
    std::uint64_t m_seed;
    std::unordered_set<std::string> m_taken; // in small letters
};

} // namespace kelvane
