#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/model/Distance.h"
#include "core/model/OrbitRecord.h"

namespace kelvane {

// The one current star system: its star, habitable zone (biozone), inner
// limit and ten orbits numbered 1 (nearest the star) to 10. A default-made
// system is empty: every number 0, every element text blank, no name.
struct StarSystem {
    static constexpr int OrbitCount = 10;

    std::string SystemName;
    std::int16_t SystemType = 0;
    std::int16_t StarClass = 0;
    std::int32_t StarType = 0;
    Distance BiozoneMin;
    Distance BiozoneMax;
    Distance InnerLimit;
    std::array<OrbitRecord, OrbitCount> Orbits;

    // Orbit by its number, 1 to 10.
    OrbitRecord& Orbit(int n) { return Orbits[static_cast<std::size_t>(n - 1)]; }
    const OrbitRecord& Orbit(int n) const { return Orbits[static_cast<std::size_t>(n - 1)]; }

    bool operator==(const StarSystem&) const = default;
};

} // namespace kelvane
