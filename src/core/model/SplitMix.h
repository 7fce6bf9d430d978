#pragma once

#include <cstdint>

namespace kelvane {

// splitmix64: a state stepped by the golden ratio and each step mixed into
// 64 well-spread bits. The program's random source and the draws of sectors
// both stand on it, so every seeded system and sector depends on these
// constants: they may never change.
inline constexpr std::uint64_t SplitMixGolden = 0x9E3779B97F4A7C15ull;

constexpr std::uint64_t SplitMix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace kelvane
