#pragma once

#include <cstdint>

namespace kelvane {

// Where a window was at the last shutdown, in whole twips. State -1 means no
// placement has been recorded yet; otherwise 0 normal, 1 minimized, 2 maximized.
struct WindowPlacement {
    std::int16_t State = -1;
    std::int32_t Corner1 = 0; // Top
    std::int32_t Corner2 = 0; // Left
    std::int32_t Corner3 = 0; // Height
    std::int32_t Corner4 = 0; // Width

    bool operator==(const WindowPlacement&) const = default;
};

// The user's options and the placement of the five long-lived windows.
// Booleans are 16-bit integers, -1 for true and 0 for false, as the settings
// file holds them; the Parts that read them decide what other values mean.
struct AppSettings {
    std::int16_t LifeSupport = 2;  // 1 Poor, 2 Average, 3 Good, 4 Excellent
    std::int16_t Biozone = 1;      // 1 Normal, 2 Double, 3 Triple
    std::int16_t OrbitDisplay = 1; // 1 Arced, 2 Flat, 3 Complete
    std::int16_t VisibleOrbits = -1;
    std::int16_t ColorText = -1;
    std::int16_t SwapBW = -1;
    std::int16_t WhiteOrbits = 0;
    std::int16_t OrbitPenWidth = 1; // 1 normal, 2 thicker

    WindowPlacement Main;
    WindowPlacement Info;
    WindowPlacement Elements;
    WindowPlacement Orbit;
    WindowPlacement Quick;

    bool operator==(const AppSettings&) const = default;
};

} // namespace kelvane
