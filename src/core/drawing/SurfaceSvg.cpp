#include "core/drawing/SurfaceSvg.h"

#include <charconv>
#include <cmath>

#include "core/drawing/SurfaceMapping.h"

namespace kelvane {

// to_chars ignores the locale: "." whatever the user's settings.
void AppendSvgNumber(std::string& out, double value)
{
    if (!std::isfinite(value))
        value = 0;
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 3);
    if (result.ec != std::errc{}) {
        out += '0';
        return;
    }
    std::string_view number(text, static_cast<std::size_t>(result.ptr - text));
    while (number.ends_with('0'))
        number.remove_suffix(1);
    if (number.ends_with('.'))
        number.remove_suffix(1);
    if (number == "-0")
        number = "0";
    out += number;
}

void AppendSvgAttribute(std::string& out, const char* name, double value)
{
    out += ' ';
    out += name;
    out += "=\"";
    AppendSvgNumber(out, value);
    out += '"';
}

void AppendSvgAttribute(std::string& out, const char* name, std::string_view value)
{
    out += ' ';
    out += name;
    out += "=\"";
    out += value;
    out += '"';
}

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
    AppendSvgAttribute(out, "width", image.Width);
    AppendSvgAttribute(out, "height", image.Height);
    out += " viewBox=\"0 0 ";
    AppendSvgNumber(out, image.Width);
    out += ' ';
    AppendSvgNumber(out, image.Height);
    out += "\">\n<rect";
    AppendSvgAttribute(out, "x", 0.0);
    AppendSvgAttribute(out, "y", 0.0);
    AppendSvgAttribute(out, "width", image.Width);
    AppendSvgAttribute(out, "height", image.Height);
    AppendSvgAttribute(out, "fill", SvgColour(surface.BackColor()));
    out += "/>\n";

    // A nested viewport clips the shapes to the part of the image where
    // they show, so that a letterbox shows only the background; its view box
    // keeps the image's own pixel coordinates.
    out += "<svg";
    AppendSvgAttribute(out, "x", area.X);
    AppendSvgAttribute(out, "y", area.Y);
    AppendSvgAttribute(out, "width", area.Width);
    AppendSvgAttribute(out, "height", area.Height);
    out += " viewBox=\"";
    AppendSvgNumber(out, area.X);
    out += ' ';
    AppendSvgNumber(out, area.Y);
    out += ' ';
    AppendSvgNumber(out, area.Width);
    out += ' ';
    AppendSvgNumber(out, area.Height);
    out += "\" overflow=\"hidden\">\n";

    for (const Shape& shape : surface.Shapes()) {
        const SurfacePoint first = mapping.ToDevice(shape.X1, shape.Y1);
        if (shape.ShapeKind == Shape::Kind::Circle) {
            out += "<circle";
            AppendSvgAttribute(out, "cx", first.X);
            AppendSvgAttribute(out, "cy", first.Y);
            AppendSvgAttribute(out, "r", std::fabs(shape.Radius) * mapping.Scale());
            AppendSvgAttribute(out, "fill",
                               shape.Filled() ? SvgColour(shape.FillColor) : std::string("none"));
        } else {
            const auto [from, to] = mapping.LineToDevice(shape.X1, shape.Y1, shape.X2, shape.Y2);
            out += "<line";
            AppendSvgAttribute(out, "x1", from.X);
            AppendSvgAttribute(out, "y1", from.Y);
            AppendSvgAttribute(out, "x2", to.X);
            AppendSvgAttribute(out, "y2", to.Y);
        }
        AppendSvgAttribute(out, "stroke", SvgColour(shape.PenColor));
        AppendSvgAttribute(out, "stroke-width", DevicePenWidth(shape.PenWidth));
        out += "/>\n";
    }
    out += "</svg>\n</svg>\n";
    return out;
}

} // namespace kelvane
