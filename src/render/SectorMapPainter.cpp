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

} // namespace

void PaintSectorMap(QPainter& painter, const SectorMap& map, const QRectF& target, double penScale)
{
    const SurfaceMapping mapping(map.extents, {target.x(), target.y(), target.width(), target.height()});
    const DeviceRect& area = mapping.Area();
    const double scale = mapping.Scale();
    const double penFactor = std::isfinite(penScale) && penScale > 0 ? penScale : 1.0;

    // Where anything can show: the map's area, within what the painter lets
    // through or else within its device.
    const QRectF areaRect(area.X, area.Y, area.Width, area.Height);
    QRectF visible = areaRect;
    if (painter.hasClipping()) {
        visible = visible.intersected(painter.clipBoundingRect());
    } else if (const QPaintDevice* device = painter.device()) {
        const QRectF whole(0, 0, device->width(), device->height());
        visible = visible.intersected(painter.worldTransform().inverted().mapRect(whole));
    }

    painter.save();
    painter.fillRect(target, ToQColor(map.backColor));
    if (scale <= 0 || visible.isEmpty()) {
        painter.restore();
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(areaRect, Qt::IntersectClip);

    QPen pen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    MapFonts fonts;
    for (const MapShape& shape : map.shapes) {
        const SurfacePoint centre = mapping.ToDevice(shape.x, shape.y);
        const double size = shape.size * scale;
        if (shape.kind == MapShape::Kind::Text) {
            const double pixels = std::floor(size);
            if (pixels < MinMapTextPixels || shape.text.empty())
                continue;
            // No letter is wider than a quarter more than its em (Arial's
            // widest, "@", is just over one), and a text has no more letters
            // than bytes: a text whose widest extent misses what can show is
            // left out before it is measured, which would take most of the
            // time of a window showing a corner of a large map.
            const double widest = static_cast<double>(shape.text.size()) * pixels * 1.25;
            const double widestLeft =
                shape.anchor == MapShape::Anchor::Middle ? centre.X - widest / 2 : centre.X;
            if (!QRectF(widestLeft, centre.Y - pixels * 1.5, widest, pixels * 3).intersects(visible))
                continue;
            const QString text = ToQt(shape.text);
            const MapFonts::Entry* font = &fonts.Get(static_cast<int>(pixels), shape.bold);
            double width = font->metrics.horizontalAdvance(text);
            const double limit = shape.maxWidth * scale;
            if (limit > 0 && width > limit) {
                const double smaller = std::floor(pixels * limit / width);
                if (smaller < MinMapTextPixels)
                    continue;
                font = &fonts.Get(static_cast<int>(smaller), shape.bold);
                width = font->metrics.horizontalAdvance(text);
            }
            const double left = shape.anchor == MapShape::Anchor::Middle ? centre.X - width / 2 : centre.X;
            const QRectF box(left, centre.Y - font->metrics.ascent(), width, font->metrics.height());
            if (!box.intersects(visible))
                continue;
            painter.setFont(font->font);
            painter.setPen(ToQColor(shape.penColor));
            painter.drawText(QPointF(left, centre.Y), text);
            continue;
        }
        const double reach = size + shape.penWidth * penFactor;
        if (!QRectF(centre.X - reach, centre.Y - reach, 2 * reach, 2 * reach).intersects(visible))
            continue;
        if (shape.penWidth > 0) {
            pen.setColor(ToQColor(shape.penColor));
            pen.setWidthF(shape.penWidth * penFactor);
            painter.setPen(pen);
        } else {
            painter.setPen(Qt::NoPen);
        }
        painter.setBrush(shape.fillColor ? QBrush(ToQColor(*shape.fillColor)) : QBrush(Qt::NoBrush));
        if (shape.kind == MapShape::Kind::Hexagon)
            painter.drawPolygon(Hexagon(centre.X, centre.Y, size));
        else
            painter.drawEllipse(QPointF(centre.X, centre.Y), size, size);
    }
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

QByteArray SectorMapPng(const SectorMap& map, int width, int height)
{
    return PngBytes(SectorMapImage(map, width, height));
}

} // namespace kelvane
