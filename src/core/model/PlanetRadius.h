#pragma once

#include <cstdint>

#include "core/model/Random.h"

namespace kelvane {

// The radius of a new planet in orbit n (1 to 10), from one draw: the whole
// part of (n + 4) * u + 5, so 5 to n + 8. Generation and the Force Orbit
// dialog both make planets with it.
inline std::int16_t RollPlanetRadius(Random& random, int n)
{
    return static_cast<std::int16_t>((n + 4) * static_cast<double>(random.Draw()) + 5.0);
}

} // namespace kelvane
