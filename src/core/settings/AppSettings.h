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

// The three options that choose one of a few values. Each holds the number
// that the settings file holds: a hand-edited file can give any 16-bit
// value, which passes through unchanged and is read by the rules of the code
// that uses it (an unknown Life Support counts as Excellent, an unknown Bio
// Zone as Normal, an unknown display style draws with the arced extents).
enum class LifeSupportLevel : std::int16_t { Poor = 1, Average = 2, Good = 3, Excellent = 4 };
enum class BiozoneWidth : std::int16_t { Normal = 1, Double = 2, Triple = 3 };
enum class OrbitDisplayStyle : std::int16_t { Arced = 1, Flat = 2, Complete = 3 };

// The user's options and the placement of the five long-lived windows, and
// of the Sector window, which shows while a sector is open.
// Booleans are 16-bit integers, -1 for true and 0 for false, as the settings
// file holds them; the Parts that read them decide what other values mean.
struct AppSettings {
    LifeSupportLevel LifeSupport = LifeSupportLevel::Average;
    BiozoneWidth Biozone = BiozoneWidth::Normal;
    OrbitDisplayStyle OrbitDisplay = OrbitDisplayStyle::Arced;
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
    WindowPlacement Sector;

    bool operator==(const AppSettings&) const = default;
};

} // namespace kelvane
