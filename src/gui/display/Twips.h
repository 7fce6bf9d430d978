#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <algorithm>
#include <climits>
#include <cstdint>

namespace kelvane {

// Window layouts and placements are kept in twips, 1/1440 inch: 15 twips
// make one pixel at 96 dots per inch. Qt's pixels are device-independent
// (a screen with a device pixel ratio of 2 draws each one as four), so this
// is the one place that turns twips into pixels and back. Both directions
// are defined for every int, a settings file's 2147483647 included.
constexpr int TwipsPerPixel = 15;

// Twips to pixels, to the nearest pixel.
constexpr int Px(int twips)
{
    // In 64 bits: adding the half pixel must not overflow at the ends of the range.
    const std::int64_t t = twips;
    constexpr std::int64_t half = TwipsPerPixel / 2;
    return static_cast<int>(t >= 0 ? (t + half) / TwipsPerPixel : -((-t + half) / TwipsPerPixel));
}

// Pixels to twips; beyond what an int holds, the nearest end of its range.
constexpr int Twips(int pixels)
{
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{pixels} * TwipsPerPixel, INT_MIN, INT_MAX));
}

// A rectangle given as left, top, width, height in twips.
inline QRect PxRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

inline QSize PxSize(int width, int height)
{
    return QSize(Px(width), Px(height));
}

} // namespace kelvane
