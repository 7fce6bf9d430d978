#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "core/drawing/OrbitalDisplay.h"
#include "core/model/RandomSource.h"
#include "render/SurfacePainter.h"

namespace kelvane {
namespace {

// An orange supergiant (radius 80) with its orbit lines, two pixels wide, on
// RGB(96, 64, 32), as an 800 x 400 PNG.
QImage Painted(OrbitDisplayStyle style)
{
    StarSystem system;
    system.SystemType = 1;
    system.StarClass = ClassSuperGiant;
    system.StarType = StarOrange;
    AppSettings settings;
    settings.OrbitDisplay = style;
    settings.OrbitPenWidth = 2;
    DrawingSurface surface;
    RandomSource random = RandomSource::Deterministic(0);
    DrawOrbitalDisplay(surface, system, settings, 0x204060, random);
    return QImage::fromData(SurfacePng(surface, 800, 400), "PNG").convertToFormat(QImage::Format_RGB32);
}

TEST(SurfacePainter, StarInItsPlaceAndOnlyTheBackgroundInTheLetterbox)
{
    const QColor orange(255, 128, 0), back(96, 64, 32), grey(150, 150, 150);
    const auto near = [](QRgb actual, QColor expected, int tolerance = 0) {
        return std::abs(qRed(actual) - expected.red()) <= tolerance &&
               std::abs(qGreen(actual) - expected.green()) <= tolerance &&
               std::abs(qBlue(actual) - expected.blue()) <= tolerance;
    };
    // Complete: the square area 400 x 400 in the middle. The star's 80 units
    // are 32 pixels across and down alike; the outermost orbit line reaches
    // the area's edge.
    const QImage complete = Painted(OrbitDisplayStyle::Complete);
    ASSERT_EQ(complete.size(), QSize(800, 400));
    EXPECT_TRUE(near(complete.pixel(400, 200), orange));
    EXPECT_TRUE(near(complete.pixel(431, 200), orange, 8) && near(complete.pixel(400, 169), orange, 8));
    EXPECT_TRUE(near(complete.pixel(436, 200), back) && near(complete.pixel(400, 236), back));
    for (const int x : {0, 100, 199, 601, 799})
        EXPECT_TRUE(near(complete.pixel(x, 200), back)) << x;
    EXPECT_TRUE(near(complete.pixel(400, 10), grey, 80));

    // Arced in a wide image: the star at the middle of the left edge, the
    // 500 units of height fill the 400 pixels, and the arcs go on into the
    // extra width instead of stopping at an edge. The star is 64 pixels
    // across; orbit 2 (92 pixels) crosses
    // the middle line at x = 92; the outermost orbit (380) reaches y = 0 and
    // 399 on the left edge of its arc.
    const QImage arced = Painted(OrbitDisplayStyle::Arced);
    EXPECT_TRUE(near(arced.pixel(0, 200), orange) && near(arced.pixel(63, 200), orange, 8));
    EXPECT_TRUE(near(arced.pixel(70, 200), back));
    EXPECT_TRUE(near(arced.pixel(91, 200), grey, 8) && near(arced.pixel(92, 200), grey, 8));
    EXPECT_TRUE(near(arced.pixel(380, 200), grey, 8) || near(arced.pixel(379, 200), grey, 8));
    EXPECT_TRUE(near(arced.pixel(799, 200), back));
}

// A flat system's orbit lines, 1 and 2 pixels wide, in an image with a
// device pixel ratio of 1 and 2: each line covers whole device pixels at
// full intensity (1 or 2 pixels times the ratio) and nothing beside it, and
// the star stays round about the middle of the left edge.
TEST(SurfacePainter, StraightLinesOnWholeDevicePixels)
{
    StarSystem system;
    system.SystemType = 1;
    system.StarClass = ClassMainSequence;
    system.StarType = StarYellow;
    for (const double ratio : {1.0, 2.0}) {
        for (const std::int16_t width : {std::int16_t{1}, std::int16_t{2}}) {
            AppSettings settings;
            settings.OrbitDisplay = OrbitDisplayStyle::Flat;
            settings.OrbitPenWidth = width;
            DrawingSurface surface;
            RandomSource random = RandomSource::Deterministic(0);
            DrawOrbitalDisplay(surface, system, settings, 0, random);
            // 3 logical pixels per 5 units: the lines at 42, 69, 96, ... are
            // whole logical coordinates, the worst case for a blurred line.
            QImage image(static_cast<int>(300 * ratio), static_cast<int>(300 * ratio), QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            QPainter painter(&image);
            PaintSurface(painter, surface, QRectF(0, 0, 300, 300));
            painter.end();

            const int row = static_cast<int>(10 * ratio);
            QList<int> runs; // the widths of the runs of lit pixels along the row
            int run = 0;
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, row);
                if (pixel == qRgb(0, 0, 0)) {
                    if (run > 0)
                        runs << run;
                    run = 0;
                    continue;
                }
                EXPECT_EQ(pixel, qRgb(150, 150, 150)) << ratio << " " << width << " at " << x;
                ++run;
            }
            EXPECT_EQ(runs, QList<int>(10, static_cast<int>(width * ratio))) << ratio << " " << width;

            // The star, 25 units (15 pixels) across, about (0, 150).
            const auto lit = [&](double x, double y) {
                return image.pixel(static_cast<int>(x * ratio), static_cast<int>(y * ratio)) != qRgb(0, 0, 0);
            };
            EXPECT_TRUE(lit(0, 150) && lit(14, 150) && lit(0, 136) && lit(0, 164));
            EXPECT_FALSE(lit(16.5, 150) || lit(0, 133.5) || lit(0, 166.5));
        }
    }
}

} // namespace
} // namespace kelvane
