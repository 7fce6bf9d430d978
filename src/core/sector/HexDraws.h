#pragma once

#include <cstdint>

#include "core/model/SplitMix.h"
#include "core/sector/HexGrid.h"

namespace kelvane {

// The numbers a sector takes for each hex: whether it holds a system, the
// seed of that system and the draws of its name. Each is a splitmix64 mix of
// the sector's seed, the hex and what the number is for, and of nothing
// else, so a hex keeps its system and its first-choice name whatever the
// sector's size and density. Seeded sectors must stay the same in every
// version: none of this may change.
class HexDraws {
public:
    enum class Purpose : std::uint64_t { Occupancy = 1, SystemSeed = 2, Name = 3 };

    HexDraws(std::uint64_t sectorSeed, HexNumber hex, Purpose purpose, std::uint64_t attempt = 0)
    {
        std::uint64_t z = Mix(sectorSeed + Golden * static_cast<std::uint64_t>(purpose));
        z = Mix(z ^ (static_cast<std::uint64_t>(static_cast<std::uint32_t>(hex.column)) << 32 |
                     static_cast<std::uint32_t>(hex.row)));
        m_state = Mix(z + Golden * attempt);
    }

    // The next 64 bits of the hex's stream.
    std::uint64_t Next()
    {
        m_state += Golden;
        return Mix(m_state);
    }
    // A whole number from 0 to count - 1.
    std::uint32_t Below(std::uint32_t count)
    {
        return count == 0 ? 0 : static_cast<std::uint32_t>(Next() % count);
    }
    // A number in [0, 1) with 53 bits.
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

private:
    static constexpr std::uint64_t Golden = SplitMixGolden;
    static constexpr std::uint64_t Mix(std::uint64_t z) { return SplitMix(z); }

    std::uint64_t m_state;
};

} // namespace kelvane
