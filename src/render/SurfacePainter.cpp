#include "render/SurfacePainter.h"

#include <QBuffer>
#include <QPen>
#include <cmath>

#include "core/drawing/SurfaceMapping.h"

namespace kelvane {

QColor ToQColor(Colour colour)
{
    const auto value = static_cast<std::uint32_t>(colour);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

void PaintSurface(QPainter& painter, const DrawingSurface& surface, const QRectF& target, double penScale)
{
    const SurfaceMapping mapping(surface.Extents(),
                                 {target.x(), target.y(), target.width(), target.height()});
    const DeviceRect& area = mapping.Area();

    painter.save();
    painter.fillRect(target, ToQColor(surface.BackColor()));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(QRectF(area.X, area.Y, area.Width, area.Height), Qt::IntersectClip);

    // Consecutive shapes mostly share their pen and brush: set them only
    // when they change.
    QPen pen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    Colour penColour = 0;
    double penWidth = 1.0;
    bool filled = false;
    Colour fillColour = 0;
    const double scale = std::isfinite(penScale) && penScale > 0 ? penScale : 1.0;

    for (const Shape& shape : surface.Shapes()) {
        const double width = DevicePenWidth(shape.PenWidth) * scale;
        if (shape.PenColor != penColour || width != penWidth) {
            penColour = shape.PenColor;
            penWidth = width;
            pen.setColor(ToQColor(penColour));
            pen.setWidthF(penWidth);
            painter.setPen(pen);
        }
        const bool fill = shape.Filled();
        if (fill != filled || (fill && shape.FillColor != fillColour)) {
            filled = fill;
            fillColour = shape.FillColor;
            painter.setBrush(fill ? QBrush(ToQColor(fillColour)) : QBrush(Qt::NoBrush));
        }

        const SurfacePoint first = mapping.ToDevice(shape.X1, shape.Y1);
        if (shape.ShapeKind == Shape::Kind::Circle) {
            const double radius = std::fabs(shape.Radius) * mapping.Scale();
            painter.drawEllipse(QPointF(first.X, first.Y), radius, radius);
        } else {
            const SurfacePoint second = mapping.ToDevice(shape.X2, shape.Y2);
            painter.drawLine(QLineF(first.X, first.Y, second.X, second.Y));
        }
    }
    painter.restore();
}

QImage SurfaceImage(const DrawingSurface& surface, int width, int height)
{
    // Raster painting needs no QGuiApplication as long as no text is drawn.
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    PaintSurface(painter, surface, QRectF(0, 0, width, height));
    return image;
}

QByteArray SurfacePng(const DrawingSurface& surface, int width, int height)
{
    const QImage image = SurfaceImage(surface, width, height);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

} // namespace kelvane
