#include "core/sector/SectorMapSvg.h"

#include <charconv>
#include <cmath>

#include "core/drawing/SurfaceSvg.h"
#include "core/sector/JsonValue.h"

namespace kelvane {

namespace {

void AppendNumber(std::string& out, double value)
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

void AppendAttribute(std::string& out, const char* name, double value)
{
    out += ' ';
    out += name;
    out += "=\"";
    AppendNumber(out, value);
    out += '"';
}

void AppendAttribute(std::string& out, const char* name, std::string_view value)
{
    out += ' ';
    out += name;
    out += "=\"";
    out += value;
    out += '"';
}

} // namespace

std::string SectorMapSvg(const SectorMap& map, double scale)
{
    const LogicalExtents& extents = map.extents;
    const double width = std::fabs(extents.Width) * scale;
    const double height = std::fabs(extents.Height) * scale;
    const auto px = [&](double x) { return (x - extents.Left) * scale; };
    const auto py = [&](double y) { return (y - extents.Top) * scale; };

    std::string out;
    out.reserve(512 + 110 * map.shapes.size());
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\"";
    AppendAttribute(out, "width", width);
    AppendAttribute(out, "height", height);
    out += " viewBox=\"0 0 ";
    AppendNumber(out, width);
    out += ' ';
    AppendNumber(out, height);
    out += "\" font-family=\"Arial, 'Liberation Sans', Helvetica, sans-serif\">\n<title>";
    AppendXmlText(out, map.title);
    out += "</title>\n<rect x=\"0\" y=\"0\"";
    AppendAttribute(out, "width", width);
    AppendAttribute(out, "height", height);
    AppendAttribute(out, "fill", SvgColour(map.backColor));
    out += "/>\n";

    for (const MapShape& shape : map.shapes) {
        const double x = px(shape.x);
        const double y = py(shape.y);
        const double size = shape.size * scale;
        if (shape.kind == MapShape::Kind::Text) {
            out += "<text";
            AppendAttribute(out, "x", x);
            AppendAttribute(out, "y", y);
            AppendAttribute(out, "font-size", size);
            if (shape.anchor == MapShape::Anchor::Middle)
                out += " text-anchor=\"middle\"";
            if (shape.bold)
                out += " font-weight=\"bold\"";
            AppendAttribute(out, "fill", SvgColour(shape.penColor));
            out += '>';
            AppendXmlText(out, shape.text);
            out += "</text>\n";
            continue;
        }
        if (shape.kind == MapShape::Kind::Hexagon) {
            out += "<polygon points=\"";
            const double half = size * std::sqrt(3.0) / 2;
            const double corners[6][2] = {{x + size, y}, {x + size / 2, y + half}, {x - size / 2, y + half},
                                          {x - size, y}, {x - size / 2, y - half}, {x + size / 2, y - half}};
            for (int i = 0; i < 6; ++i) {
                if (i > 0)
                    out += ' ';
                AppendNumber(out, corners[i][0]);
                out += ',';
                AppendNumber(out, corners[i][1]);
            }
            out += '"';
        } else {
            out += "<circle";
            AppendAttribute(out, "cx", x);
            AppendAttribute(out, "cy", y);
            AppendAttribute(out, "r", size);
        }
        AppendAttribute(out, "fill", shape.fillColor ? SvgColour(*shape.fillColor) : std::string("none"));
        if (shape.penWidth > 0) {
            AppendAttribute(out, "stroke", SvgColour(shape.penColor));
            AppendAttribute(out, "stroke-width", shape.penWidth);
        }
        out += "/>\n";
    }
    out += "</svg>\n";
    return out;
}

} // namespace kelvane
