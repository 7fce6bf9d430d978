#pragma once

#include <cstdint>

#include "core/model/Distance.h"
#include "core/model/ElementText.h"

namespace kelvane {

// One orbit slot. Type says what the orbit holds (an OrbitType code) and is
// also the colour, 0x00BBGGRR, in which the body is drawn. The four position
// fields are set only when a planet is made; other orbits keep old values.
struct OrbitRecord {
    std::int32_t Type = 0;
    std::int16_t Radius = 0;
    std::int16_t Moons = 0;
    ElementText Elements;
    Distance AU;
    std::int16_t PosX = 0;
    std::int16_t PosY = 0;
    std::int16_t PosXArc = 0;
    std::int16_t PosYArc = 0;

    bool operator==(const OrbitRecord&) const = default;
};

} // namespace kelvane
