#include "core/drawing/SurfaceSvg.h"

#include <charconv>
#include <cmath>

#include "core/drawing/SurfaceMapping.h"

namespace kelvane {

namespace {

// A number with at most three decimals and no trailing zeros, "." as the
// separator (to_chars ignores the locale).
void AppendNumber(std::string& out, double value)
{
    if (!std::isfinite(value))
        value = 0;
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3);
    std::string_view number(text, static_cast<std::size_t>(result.ptr - text));
    if (result.ec != std::errc{}) {
        out += '0';
        return;
    }
    while (number.ends_with('0'))
        number.remove_suffix(1);
    if (number.ends_with('.'))
        number.remove_suffix(1);
    if (number == "-0")
        number = "0";
    out += number;
}

void AppendAttribute(std::string& out, const char* name, double value)
{
    out += ' ';
    out += name;
    out += "=\"";
    AppendNumber(out, value);
    out += '"';
}

void AppendAttribute(std::string& out, const char* name, const std::string& value)
{
    out += ' ';
    out += name;
    out += "=\"";
    out += value;
    out += '"';
}

} // namespace

std::string SvgColour(Colour colour)
{
    static constexpr char digits[] = "0123456789abcdef";
    const auto value = static_cast<std::uint32_t>(colour);
    std::string text = "#";
    for (const int shift : {0, 8, 16}) { // red, green, blue
        const std::uint32_t channel = (value >> shift) & 0xFF;
        text += digits[channel >> 4];
        text += digits[channel & 0xF];
    }
    return text;
}

std::string SurfaceSvg(const DrawingSurface& surface, int width, int height)
{
    const DeviceRect image{0, 0, static_cast<double>(width), static_cast<double>(height)};
    const SurfaceMapping mapping(surface.Extents(), image, surface.Anchor());
    const DeviceRect& area = mapping.Visible();

    std::string out;
    out.reserve(256 + 120 * surface.Shapes().size());
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
    AppendAttribute(out, "width", image.Width);
    AppendAttribute(out, "height", image.Height);
    out += " viewBox=\"0 0 ";
    AppendNumber(out, image.Width);
    out += ' ';
    AppendNumber(out, image.Height);
    out += "\">\n<rect";
    AppendAttribute(out, "x", 0.0);
    AppendAttribute(out, "y", 0.0);
    AppendAttribute(out, "width", image.Width);
    AppendAttribute(out, "height", image.Height);
    AppendAttribute(out, "fill", SvgColour(surface.BackColor()));
    out += "/>\n";

    // A nested viewport clips the shapes to the part of the image where
    // they show, so that a letterbox shows only the background; its view box
    // keeps the image's own pixel coordinates.
    out += "<svg";
    AppendAttribute(out, "x", area.X);
    AppendAttribute(out, "y", area.Y);
    AppendAttribute(out, "width", area.Width);
    AppendAttribute(out, "height", area.Height);
    out += " viewBox=\"";
    AppendNumber(out, area.X);
    out += ' ';
    AppendNumber(out, area.Y);
    out += ' ';
    AppendNumber(out, area.Width);
    out += ' ';
    AppendNumber(out, area.Height);
    out += "\" overflow=\"hidden\">\n";

    for (const Shape& shape : surface.Shapes()) {
        const SurfacePoint first = mapping.ToDevice(shape.X1, shape.Y1);
        if (shape.ShapeKind == Shape::Kind::Circle) {
            out += "<circle";
            AppendAttribute(out, "cx", first.X);
            AppendAttribute(out, "cy", first.Y);
            AppendAttribute(out, "r", std::fabs(shape.Radius) * mapping.Scale());
            AppendAttribute(out, "fill", shape.Filled() ? SvgColour(shape.FillColor) : std::string("none"));
        } else {
            const auto [from, to] = mapping.LineToDevice(shape.X1, shape.Y1, shape.X2, shape.Y2);
            out += "<line";
            AppendAttribute(out, "x1", from.X);
            AppendAttribute(out, "y1", from.Y);
            AppendAttribute(out, "x2", to.X);
            AppendAttribute(out, "y2", to.Y);
        }
        AppendAttribute(out, "stroke", SvgColour(shape.PenColor));
        AppendAttribute(out, "stroke-width", DevicePenWidth(shape.PenWidth));
        out += "/>\n";
    }
    out += "</svg>\n</svg>\n";
    return out;
}

} // namespace kelvane
