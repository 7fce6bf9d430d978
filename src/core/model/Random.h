#pragma once

#include <cstddef>

namespace kelvane {

// The one uniform source behind every roll: generation, forcing and the
// asteroid dots of the display. Tests put a scripted source in its place.
class Random {
public:
    virtual ~Random() = default;
    // A single-precision value u with 0 <= u < 1.
    virtual float Draw() = 0;
    // The next count draws, in order, as count calls of Draw would give them.
    virtual void DrawMany(float* out, std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i)
            out[i] = Draw();
    }
    // Mixes the time of day into the current state; never restarts a sequence.
    virtual void Reseed() = 0;
};

// A roll of 1 to n: the whole part of n * u + 1, computed in double from the
// single-precision draw, so it never exceeds n.
constexpr int RollOf(float u, int n)
{
    return static_cast<int>(n * static_cast<double>(u) + 1.0);
}

inline int Roll(Random& random, int n)
{
    return RollOf(random.Draw(), n);
}

// A roll of 0 to n - 1: the whole part of n * u.
inline int Roll0(Random& random, int n)
{
    return static_cast<int>(n * static_cast<double>(random.Draw()));
}

} // namespace kelvane
