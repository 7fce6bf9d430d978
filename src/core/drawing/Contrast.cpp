#include "core/drawing/Contrast.h"

#include <algorithm>
#include <cmath>

namespace kelvane {

namespace {

constexpr Colour Black = 0x000000;
constexpr Colour White = 0xFFFFFF;
constexpr double GoodContrast = 4.5;

double Channel(Colour colour, int shift)
{
    const double c = ((colour >> shift) & 0xFF) / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(Colour colour)
{
    return 0.2126 * Channel(colour, 0) + 0.7152 * Channel(colour, 8) + 0.0722 * Channel(colour, 16);
}

} // namespace

double ContrastRatio(Colour a, Colour b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Colour ReadableText(Colour background, Colour paletteText, Colour paletteBase)
{
    if (Luminance(paletteText) < Luminance(paletteBase))
        return paletteText;
    if (ContrastRatio(paletteText, background) >= GoodContrast)
        return paletteText;
    return ContrastRatio(Black, background) >= ContrastRatio(White, background) ? Black : White;
}

} // namespace kelvane
