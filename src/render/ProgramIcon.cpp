#include "render/ProgramIcon.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace kelvane {

namespace {

// The drawing is laid out on a grid of 256 x 256 units.
constexpr qreal Grid = 256;
constexpr QPointF Centre(128, 128);
constexpr qreal OrbitTilt = -24; // degrees, counter-clockwise on screen

struct Orbit {
    qreal rx, ry; // the ellipse's half axes before the tilt
    qreal width;  // its line, in units
};
constexpr Orbit Outer{104, 42, 6};
constexpr Orbit Inner{68, 27, 5};

// The point of an orbit at angle degrees, tilted as the orbits are.
QPointF OnOrbit(const Orbit& orbit, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    const qreal t = qDegreesToRadians(OrbitTilt);
    const qreal x = orbit.rx * std::cos(a);
    const qreal y = orbit.ry * std::sin(a);
    return Centre + QPointF(x * std::cos(t) - y * std::sin(t), x * std::sin(t) + y * std::cos(t));
}

void Planet(QPainter& p, QPointF at, qreal radius, const QColor& light, const QColor& dark)
{
    QRadialGradient shade(at - QPointF(radius, radius) * 0.4, radius * 1.6);
    shade.setColorAt(0, light);
    shade.setColorAt(1, dark);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(at, radius, radius);
}

} // namespace

void PaintProgramIcon(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(rect.width(), rect.height());
    painter.translate(rect.center() - QPointF(side, side) / 2);
    painter.scale(side / Grid, side / Grid);
    // One device pixel in units, whatever scale the painter already had.
    const qreal pixel = 1.0 / std::max(painter.worldTransform().m11(), 1e-6);
    const auto line = [pixel](qreal units) { return std::max(units, pixel); };

    // The sky.
    QLinearGradient sky(0, 16, 0, 240);
    sky.setColorAt(0, QColor(0x26, 0x31, 0x6b));
    sky.setColorAt(1, QColor(0x0a, 0x0e, 0x26));
    painter.setPen(QPen(QColor(0x4a, 0x5c, 0xa8), line(3)));
    painter.setBrush(sky);
    painter.drawRoundedRect(QRectF(12, 12, 232, 232), 44, 44);

    // A few distant stars, where there are pixels enough for them.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd8, 0xe2, 0xff));
    if (pixel < 4)
        for (const QPointF star : {QPointF(52, 58), QPointF(196, 50), QPointF(210, 196), QPointF(62, 200)})
            painter.drawEllipse(star, line(3), line(3));

    // The orbits, and the star over them with its glow.
    painter.setBrush(Qt::NoBrush);
    for (const Orbit& orbit : {Outer, Inner}) {
        painter.save();
        painter.translate(Centre);
        painter.rotate(OrbitTilt);
        painter.setPen(QPen(QColor(0x9c, 0xc0, 0xff), line(orbit.width)));
        painter.drawEllipse(QPointF(0, 0), orbit.rx, orbit.ry);
        painter.restore();
    }
    QRadialGradient glow(Centre, 56);
    glow.setColorAt(0, QColor(255, 220, 90, 150));
    glow.setColorAt(1, QColor(255, 200, 60, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(Centre, 56, 56);
    QRadialGradient star(Centre - QPointF(10, 10), 44);
    star.setColorAt(0, QColor(0xff, 0xfb, 0xd8));
    star.setColorAt(0.45, QColor(0xff, 0xd8, 0x1e));
    star.setColorAt(1, QColor(0xf5, 0x8a, 0x00));
    painter.setBrush(star);
    painter.drawEllipse(Centre, 32, 32);

    // The planets: red on the outer orbit, blue with a white moon on the inner.
    Planet(painter, OnOrbit(Outer, 200), 15, QColor(0xff, 0x8a, 0x6a), QColor(0xb8, 0x24, 0x12));
    const QPointF blue = OnOrbit(Inner, 40);
    Planet(painter, blue, 12, QColor(0x8f, 0xe0, 0xa0), QColor(0x1c, 0x5f, 0xc8));
    painter.setBrush(Qt::white);
    painter.drawEllipse(blue + QPointF(15, -11), 4.5, 4.5);

    painter.restore();
}

} // namespace kelvane
