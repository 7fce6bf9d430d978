#pragma once

#include <string>
#include <string_view>

#include "core/drawing/DrawingSurface.h"

namespace kelvane {

// The surface as an SVG image of width by height pixels, placed as the
// screen places it (SurfaceMapping): one rect of the background colour over
// the whole image, then one circle or line element per shape, in drawing
// order, clipped to the logical area. Colours are "#rrggbb"; stroke widths
// are the pen widths in pixels, the thinnest line being one pixel wide; an
// unfilled circle has fill "none". Numbers use "." whatever the locale.
std::string SurfaceSvg(const DrawingSurface& surface, int width, int height);

// "#rrggbb" for a colour value 0x00BBGGRR.
std::string SvgColour(Colour colour);

// Pieces of SVG text for every drawing written as SVG: a number with at most
// three decimals and no trailing zeros, "." as the separator whatever the
// locale; an attribute, ` name="value"`, the value written as it is.
void AppendSvgNumber(std::string& out, double value);
void AppendSvgAttribute(std::string& out, const char* name, double value);
void AppendSvgAttribute(std::string& out, const char* name, std::string_view value);

} // namespace kelvane
