#pragma once

namespace kelvane {

// The printed page is laid out in twips, 1/1440 inch, and painted on devices
// of any resolution. These are the only conversions between twips, inches,
// points and device pixels.

constexpr int TwipsPerInch = 1440;
constexpr int TwipsPerPoint = 20;

// A length in inches as whole twips, to the nearest twip.
constexpr int InchTwips(double inches)
{
    const double twips = inches * TwipsPerInch;
    return static_cast<int>(twips >= 0 ? twips + 0.5 : twips - 0.5);
}

// A font size in points as twips (10 pt is 200 twips).
constexpr double PointTwips(double points)
{
    return points * TwipsPerPoint;
}

// Device pixels per twip on a device of dpi dots per inch.
inline double DeviceScale(double dpi)
{
    return dpi / TwipsPerInch;
}

// A length in twips in pixels of a device of dpi dots per inch.
inline double TwipsToDevice(double twips, double dpi)
{
    return twips * DeviceScale(dpi);
}

// The US Letter page, portrait: 8.5 by 11 inches.
constexpr int LetterWidthTwips = 12240;
constexpr int LetterHeightTwips = 15840;

} // namespace kelvane
