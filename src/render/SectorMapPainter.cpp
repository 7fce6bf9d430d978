#include "render/SectorMapPainter.h"

#include <QFontMetricsF>
#include <QPen>
#include <QPolygonF>
#include <cmath>
#include <map>

#include "core/drawing/SurfaceMapping.h"
#include "render/QtText.h"
#include "render/SurfacePainter.h"

namespace kelvane {

namespace {

// The fonts of one painting by pixel size and weight, with their metrics:
// a map holds thousands of texts in a handful of sizes.
class MapFonts {
public:
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
    };

    const Entry& Get(int pixels, bool bold)
    {
        const auto key = std::pair{pixels, bold};
        auto found = m_fonts.find(key);
        if (found == m_fonts.end()) {
            QFont font(QStringLiteral("Arial"));
            font.setPixelSize(pixels);
            font.setBold(bold);
            found = m_fonts.emplace(key, Entry{font, QFontMetricsF(font)}).first;
        }
        return found->second;
    }

private:
    std::map<std::pair<int, bool>, Entry> m_fonts;
};

QPolygonF Hexagon(double x, double y, double size)
{
    const double half = size * std::sqrt(3.0) / 2;
    return QPolygonF({QPointF(x + size, y), QPointF(x + size / 2, y + half), QPointF(x - size / 2, y + half),
                      QPointF(x - size, y), QPointF(x - size / 2, y - half),
                      QPointF(x + size / 2, y - half)});
}

// Where anything can show: the map's area, within what the painter lets
// through or else within its device.
QRectF VisiblePart(const QPainter& painter, const QRectF& area)
{
    if (painter.hasClipping())
        return area.intersected(painter.clipBoundingRect());
    if (const QPaintDevice* device = painter.device()) {
        const QRectF whole(0, 0, device->width(), device->height());
        return area.intersected(painter.worldTransform().inverted().mapRect(whole));
    }
    return area;
}

// Paints the shapes of one map, one at a time, leaving out those that miss
// the visible part; the pen and the fonts carry over from shape to shape.
class ShapePainter {
public:
    ShapePainter(QPainter& painter, const SurfaceMapping& mapping, const QRectF& visible, double penFactor)
        : m_painter(painter), m_mapping(mapping), m_visible(visible), m_scale(mapping.Scale()),
          m_penFactor(penFactor)
    {
        m_pen.setCosmetic(true);
    }

    void Paint(const MapShape& shape)
    {
        const SurfacePoint centre = m_mapping.ToDevice(shape.x, shape.y);
        if (shape.kind == MapShape::Kind::Text)
            PaintText(shape, centre);
        else
            PaintFigure(shape, centre);
    }

private:
    void PaintText(const MapShape& shape, const SurfacePoint& centre)
    {
        const double pixels = std::floor(shape.size * m_scale);
        if (pixels < MinMapTextPixels || shape.text.empty())
            return;
        // No letter is wider than a quarter more than its em (Arial's
        // widest, "@", is just over one), and a text has no more letters
        // than bytes: a text whose widest extent misses what can show is
        // left out before it is measured, which would take most of the
        // time of a window showing a corner of a large map.
        const double widest = static_cast<double>(shape.text.size()) * pixels * 1.25;
        const double widestLeft = shape.anchor == MapShape::Anchor::Middle ? centre.X - widest / 2 : centre.X;
        if (!QRectF(widestLeft, centre.Y - pixels * 1.5, widest, pixels * 3).intersects(m_visible))
            return;
        const QString text = ToQt(shape.text);
        const MapFonts::Entry* font = &m_fonts.Get(static_cast<int>(pixels), shape.bold);
        double width = font->metrics.horizontalAdvance(text);
        const double limit = shape.maxWidth * m_scale;
        if (limit > 0 && width > limit) {
            const double smaller = std::floor(pixels * limit / width);
            if (smaller < MinMapTextPixels)
                return;
            font = &m_fonts.Get(static_cast<int>(smaller), shape.bold);
            width = font->metrics.horizontalAdvance(text);
        }
        const double left = shape.anchor == MapShape::Anchor::Middle ? centre.X - width / 2 : centre.X;
        const QRectF box(left, centre.Y - font->metrics.ascent(), width, font->metrics.height());
        if (!box.intersects(m_visible))
            return;
        m_painter.setFont(font->font);
        m_painter.setPen(ToQColor(shape.penColor));
        m_painter.drawText(QPointF(left, centre.Y), text);
    }

    void PaintFigure(const MapShape& shape, const SurfacePoint& centre)
    {
        const double size = shape.size * m_scale;
        const double reach = size + shape.penWidth * m_penFactor;
        if (!QRectF(centre.X - reach, centre.Y - reach, 2 * reach, 2 * reach).intersects(m_visible))
            return;
        if (shape.penWidth > 0) {
            m_pen.setColor(ToQColor(shape.penColor));
            m_pen.setWidthF(shape.penWidth * m_penFactor);
            m_painter.setPen(m_pen);
        } else {
            m_painter.setPen(Qt::NoPen);
        }
        m_painter.setBrush(shape.fillColor ? QBrush(ToQColor(*shape.fillColor)) : QBrush(Qt::NoBrush));
        if (shape.kind == MapShape::Kind::Hexagon)
            m_painter.drawPolygon(Hexagon(centre.X, centre.Y, size));
        else
            m_painter.drawEllipse(QPointF(centre.X, centre.Y), size, size);
    }

    QPainter& m_painter;
    const SurfaceMapping& m_mapping;
    QRectF m_visible;
    double m_scale;
    double m_penFactor;
    QPen m_pen{Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin};
    MapFonts m_fonts;
};

} // namespace

void PaintSectorMap(QPainter& painter, const SectorMap& map, const QRectF& target, double penScale)
{
    const SurfaceMapping mapping(map.extents, {target.x(), target.y(), target.width(), target.height()});
    const DeviceRect& area = mapping.Area();
    const double penFactor = std::isfinite(penScale) && penScale > 0 ? penScale : 1.0;
    const QRectF areaRect(area.X, area.Y, area.Width, area.Height);
    const QRectF visible = VisiblePart(painter, areaRect);

    painter.save();
    painter.fillRect(target, ToQColor(map.backColor));
    if (mapping.Scale() <= 0 || visible.isEmpty()) {
        painter.restore();
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(areaRect, Qt::IntersectClip);

    ShapePainter shapes(painter, mapping, visible, penFactor);
    for (const MapShape& shape : map.shapes)
        shapes.Paint(shape);
    painter.restore();
}

QImage SectorMapImage(const SectorMap& map, int width, int height)
{
    QImage image = ScreenImage(width, height);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    PaintSectorMap(painter, map, QRectF(0, 0, width, height));
    return image;
}

} // namespace kelvane
