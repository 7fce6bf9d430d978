#pragma once

namespace kelvane {

// The one uniform source behind every roll: generation, forcing and the
// asteroid dots of the display. Tests put a scripted source in its place.
class Random {
public:
    virtual ~Random() = default;
    // A single-precision value u with 0 <= u < 1.
    virtual float Draw() = 0;
    // Mixes the time of day into the current state; never restarts a sequence.
    virtual void Reseed() = 0;
};

// A roll of 1 to n: the whole part of n * u + 1, computed in double from the
// single-precision draw, so it never exceeds n.
inline int Roll(Random& random, int n)
{
    return static_cast<int>(n * static_cast<double>(random.Draw()) + 1.0);
}

// A roll of 0 to n - 1: the whole part of n * u.
inline int Roll0(Random& random, int n)
{
    return static_cast<int>(n * static_cast<double>(random.Draw()));
}

} // namespace kelvane
