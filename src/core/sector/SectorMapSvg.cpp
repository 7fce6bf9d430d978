#include "core/sector/SectorMapSvg.h"

#include <cmath>

#include "core/drawing/SurfaceSvg.h"
#include "core/text/Escaping.h"

namespace kelvane {

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
    AppendSvgAttribute(out, "width", width);
    AppendSvgAttribute(out, "height", height);
    out += " viewBox=\"0 0 ";
    AppendSvgNumber(out, width);
    out += ' ';
    AppendSvgNumber(out, height);
    out += "\" font-family=\"Arial, 'Liberation Sans', Helvetica, sans-serif\">\n<title>";
    AppendXmlText(out, map.title);
    out += "</title>\n<rect x=\"0\" y=\"0\"";
    AppendSvgAttribute(out, "width", width);
    AppendSvgAttribute(out, "height", height);
    AppendSvgAttribute(out, "fill", SvgColour(map.backColor));
    out += "/>\n";

    for (const MapShape& shape : map.shapes) {
        const double x = px(shape.x);
        const double y = py(shape.y);
        const double size = shape.size * scale;
        if (shape.kind == MapShape::Kind::Text) {
            out += "<text";
            AppendSvgAttribute(out, "x", x);
            AppendSvgAttribute(out, "y", y);
            AppendSvgAttribute(out, "font-size", size);
            if (shape.anchor == MapShape::Anchor::Middle)
                out += " text-anchor=\"middle\"";
            if (shape.bold)
                out += " font-weight=\"bold\"";
            AppendSvgAttribute(out, "fill", SvgColour(shape.penColor));
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
                AppendSvgNumber(out, corners[i][0]);
                out += ',';
                AppendSvgNumber(out, corners[i][1]);
            }
            out += '"';
        } else {
            out += "<circle";
            AppendSvgAttribute(out, "cx", x);
            AppendSvgAttribute(out, "cy", y);
            AppendSvgAttribute(out, "r", size);
        }
        AppendSvgAttribute(out, "fill", shape.fillColor ? SvgColour(*shape.fillColor) : std::string("none"));
        if (shape.penWidth > 0) {
            AppendSvgAttribute(out, "stroke", SvgColour(shape.penColor));
            AppendSvgAttribute(out, "stroke-width", shape.penWidth);
        }
        out += "/>\n";
    }
    out += "</svg>\n";
    return out;
}

} // namespace kelvane
