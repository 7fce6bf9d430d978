#include "render/SectorMapPainter.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPaintEngine>
#include <QPen>
#include <QPolygonF>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

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

// The circles of one painting on a raster device, each drawn once into a
// small image by its size, pen and fill and then copied to every place it
// shows: a map of a large sector holds thousands of discs in a few dozen
// looks, and an antialiased circle drawn alone costs about as much as a
// hundred such copies. A copy lands on a whole pixel, at most half a pixel
// from where the circle would be; large circles are drawn alone.
class CircleSprites {
public:
    // The largest radius in pixels drawn from an image.
    static constexpr double MaxRadius = 24;

    explicit CircleSprites(double deviceRatio) : m_ratio(deviceRatio) {}

    void Draw(QPainter& painter, double x, double y, double radius, const QPen& pen, const QBrush& brush)
    {
        // Radius and pen in eighths of a pixel: finer than a screen shows.
        const Key key{std::lround(radius * 8), pen.style() == Qt::NoPen ? -1 : std::lround(pen.widthF() * 8),
                      pen.color().rgba(), brush.style() == Qt::NoBrush ? 0U : brush.color().rgba(),
                      brush.style() != Qt::NoBrush};
        auto found = m_images.find(key);
        if (found == m_images.end())
            found = m_images.emplace(key, Make(radius, pen, brush)).first;
        const QImage& image = found->second;
        const double half = image.width() / m_ratio / 2;
        painter.drawImage(QPointF(std::round(x - half), std::round(y - half)), image);
    }

private:
    using Key = std::tuple<long, long, QRgb, QRgb, bool>;

    QImage Make(double radius, const QPen& pen, const QBrush& brush) const
    {
        const double reach = radius + (pen.style() == Qt::NoPen ? 0 : pen.widthF() / 2) + 1;
        const int side = static_cast<int>(std::ceil(2 * reach * m_ratio));
        QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(m_ratio);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(pen);
        painter.setBrush(brush);
        const double middle = side / m_ratio / 2;
        painter.drawEllipse(QPointF(middle, middle), radius, radius);
        return image;
    }

    double m_ratio;
    std::map<Key, QImage> m_images;
};

// Paints the shapes of one map, one at a time, leaving out those that miss
// the visible part; the pen and the fonts carry over from shape to shape.
class ShapePainter {
public:
    ShapePainter(QPainter& painter, const SurfaceMapping& mapping, const QRectF& visible, double penFactor)
        : m_painter(painter), m_mapping(mapping), m_visible(visible), m_scale(mapping.Scale()),
          m_penFactor(penFactor)
    {
        m_pen.setCosmetic(true);
        // On a screen or an image, unturned and unscaled, hexagons go out in
        // batches of lines and small circles as copies; a printer or an SVG
        // gets every shape as itself.
        const QPaintEngine* engine = painter.paintEngine();
        if (engine != nullptr && engine->type() == QPaintEngine::Raster &&
            painter.worldTransform().type() <= QTransform::TxTranslate && painter.device() != nullptr)
            m_sprites.emplace(painter.device()->devicePixelRatioF());
    }

    void Paint(const MapShape& shape)
    {
        const SurfacePoint centre = m_mapping.ToDevice(shape.x, shape.y);
        if (shape.kind != MapShape::Kind::Hexagon || !m_sprites)
            FlushLines();
        if (shape.kind == MapShape::Kind::Text)
            PaintText(shape, centre);
        else
            PaintFigure(shape, centre);
    }

    // Draws what is still gathered; the last call of a painting.
    void FlushLines()
    {
        if (m_lines.empty())
            return;
        m_pen.setColor(m_lineColour);
        m_pen.setWidthF(m_lineWidth);
        m_painter.setPen(m_pen);
        m_painter.drawLines(m_lines.data(), static_cast<int>(m_lines.size()));
        m_lines.clear();
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
        const QColor penColour = ToQColor(shape.penColor);
        const double penWidth = shape.penWidth * m_penFactor;
        const QBrush brush = shape.fillColor ? QBrush(ToQColor(*shape.fillColor)) : QBrush(Qt::NoBrush);
        if (m_sprites && shape.kind == MapShape::Kind::Hexagon && !shape.fillColor && shape.penWidth > 0) {
            // Outlines of one pen gather into one batch of lines.
            if (!m_lines.empty() && (penColour != m_lineColour || penWidth != m_lineWidth))
                FlushLines();
            m_lineColour = penColour;
            m_lineWidth = penWidth;
            const QPolygonF corners = Hexagon(centre.X, centre.Y, size);
            for (qsizetype i = 0; i < corners.size(); ++i)
                m_lines.emplace_back(corners[i], corners[(i + 1) % corners.size()]);
            return;
        }
        if (shape.penWidth > 0) {
            m_pen.setColor(penColour);
            m_pen.setWidthF(penWidth);
            m_painter.setPen(m_pen);
        } else {
            m_painter.setPen(Qt::NoPen);
        }
        m_painter.setBrush(brush);
        if (shape.kind == MapShape::Kind::Hexagon)
            m_painter.drawPolygon(Hexagon(centre.X, centre.Y, size));
        else if (m_sprites && size <= CircleSprites::MaxRadius)
            m_sprites->Draw(m_painter, centre.X, centre.Y, size, m_painter.pen(), brush);
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
    std::optional<CircleSprites> m_sprites;
    // Hexagon outlines waiting to be drawn, all in one pen.
    std::vector<QLineF> m_lines;
    QColor m_lineColour;
    double m_lineWidth = 1;
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
    shapes.FlushLines();
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
