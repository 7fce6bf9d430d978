#include <gtest/gtest.h>

#include <QImage>

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

    // Arced: the star at the middle of the area's left edge, x = 200. Orbit 2
    // (92 pixels) crosses the centre line at x = 292, and would at x = 108 in
    // the letterbox if the shapes were not clipped to the area.
    const QImage arced = Painted(OrbitDisplayStyle::Arced);
    EXPECT_TRUE(near(arced.pixel(210, 200), orange) && near(arced.pixel(190, 200), back));
    EXPECT_TRUE(near(arced.pixel(291, 200), grey, 8) && near(arced.pixel(292, 200), grey, 8));
    EXPECT_TRUE(near(arced.pixel(107, 200), back) && near(arced.pixel(108, 200), back));
}

} // namespace
} // namespace kelvane
