#pragma once

#include <string>

#include "core/model/StarSystem.h"

namespace kelvane {

// The system in words, one sentence per part, for readers that cannot see
// the windows (a screen reader reads these for the drawn orbits). They say
// what the Information window shows, with the same names and numbers.

// "Star: Yellow (G), Main Sequence (V), habitable zone .75 to 1.2 AUs".
std::string StarDescription(const StarSystem& system);

// Orbit n (1 to 10): "Orbit 3: Planet, Hostile, 2 moons, 0.8 AUs",
// "Orbit 5: Asteroids, 2.4 AUs", "Orbit 4: empty, 1.5 AUs"; an orbit inside
// the habitable zone ends with ", habitable zone". Distances are written with
// separator, as the window writes them.
std::string OrbitDescription(const StarSystem& system, int n, char separator);

} // namespace kelvane
