#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kelvane {

// Window layouts and placements are kept in twips, 1/1440 inch: 15 twips
// make one pixel at 96 dots per inch. Qt's pixels are device-independent
// (a screen with a device pixel ratio of 2 draws each one as four), so this
// is the one place that turns twips into pixels and back.
constexpr int TwipsPerPixel = 15;

// Twips to pixels, to the nearest pixel.
constexpr int Px(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int Twips(int pixels)
{
    return pixels * TwipsPerPixel;
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
