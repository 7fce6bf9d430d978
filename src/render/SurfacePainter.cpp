#include "render/SurfacePainter.h"

#include <QBuffer>
#include <QPen>
#include <cmath>

#include "core/drawing/SurfaceMapping.h"

namespace kelvane {

namespace {

// The coordinate c, in device pixels, of the middle of a straight line
// deviceWidth pixels wide, moved by less than a pixel so that the line
// covers whole pixels: a pixel's middle for an odd width, a pixel's edge for
// an even one. Antialiased, such a line is crisp at full intensity.
double OnWholePixels(double c, double deviceWidth)
{
    const double half = std::round(deviceWidth) / 2;
    return std::round(c - half) + half;
}

// A horizontal or vertical line of the given device width, moved onto whole
// device pixels of the painter's device; any other line as it is. Only a
// device transform that scales and moves keeps lines straight across pixels.
QLineF Crisp(const QLineF& line, double deviceWidth, const QTransform& device)
{
    const bool vertical = line.x1() == line.x2(), horizontal = line.y1() == line.y2();
    if ((!vertical && !horizontal) || !device.isInvertible() || device.m12() != 0 || device.m21() != 0)
        return line;
    QLineF onDevice = device.map(line);
    if (vertical) {
        const double x = OnWholePixels(onDevice.x1(), deviceWidth);
        onDevice.setLine(x, onDevice.y1(), x, onDevice.y2());
    } else {
        const double y = OnWholePixels(onDevice.y1(), deviceWidth);
        onDevice.setLine(onDevice.x1(), y, onDevice.x2(), y);
    }
    return device.inverted().map(onDevice);
}

} // namespace

QColor ToQColor(Colour colour)
{
    const auto value = static_cast<std::uint32_t>(colour);
    return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                  static_cast<int>((value >> 16) & 0xFF));
}

Colour FromQColor(const QColor& colour)
{
    const QRgb rgb = colour.rgb();
    return static_cast<Colour>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

void PaintSurface(QPainter& painter, const DrawingSurface& surface, const QRectF& target, double penScale)
{
    const SurfaceMapping mapping(surface.Extents(), {target.x(), target.y(), target.width(), target.height()},
                                 surface.Anchor());
    const DeviceRect& visible = mapping.Visible();

    painter.save();
    painter.fillRect(target, ToQColor(surface.BackColor()));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(QRectF(visible.X, visible.Y, visible.Width, visible.Height), Qt::IntersectClip);

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
    // A cosmetic pen's width counts the device's own pixels: on a screen
    // with a device pixel ratio of 2 a pen stays as wide as elsewhere.
    const double deviceRatio = painter.device() != nullptr ? painter.device()->devicePixelRatio() : 1.0;
    const double scale = (std::isfinite(penScale) && penScale > 0 ? penScale : 1.0) * deviceRatio;
    const QTransform device = painter.deviceTransform();

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
            const auto [from, to] = mapping.LineToDevice(shape.X1, shape.Y1, shape.X2, shape.Y2);
            painter.drawLine(Crisp(QLineF(from.X, from.Y, to.X, to.Y), penWidth, device));
        }
    }
    painter.restore();
}

QImage ScreenImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    // The pixels are the screen's, 96 to the inch. Stated, not left to Qt,
    // whose default depends on the program's screen: so every program
    // writes the same file for the same drawing.
    constexpr int ScreenDotsPerMetre = 3780;
    image.setDotsPerMeterX(ScreenDotsPerMetre);
    image.setDotsPerMeterY(ScreenDotsPerMetre);
    return image;
}

QByteArray PngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

QImage SurfaceImage(const DrawingSurface& surface, int width, int height)
{
    // Raster painting needs no QGuiApplication as long as no text is drawn.
    QImage image = ScreenImage(width, height);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    PaintSurface(painter, surface, QRectF(0, 0, width, height));
    return image;
}

QByteArray SurfacePng(const DrawingSurface& surface, int width, int height)
{
    return PngBytes(SurfaceImage(surface, width, height));
}

} // namespace kelvane
