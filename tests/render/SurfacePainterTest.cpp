#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "core/drawing/OrbitalDisplay.h"
#include "core/model/RandomSource.h"
#include "render/SurfacePainter.h"

namespace kelvane {
namespace {

constexpr Colour Back = 0x204060; // RGB(96, 64, 32)

QImage Decoded(const QByteArray& png)
{
    QImage image = QImage::fromData(png, "PNG");
    return image.convertToFormat(QImage::Format_RGB32);
}

// Colours compared by their red, green and blue, within a tolerance for
// antialiased edges.
::testing::AssertionResult Near(QRgb actual, QColor expected, int tolerance = 0)
{
    const int dr = std::abs(qRed(actual) - expected.red());
    const int dg = std::abs(qGreen(actual) - expected.green());
    const int db = std::abs(qBlue(actual) - expected.blue());
    if (dr <= tolerance && dg <= tolerance && db <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "rgb(" << qRed(actual) << ", " << qGreen(actual) << ", "
                                         << qBlue(actual) << ") is not " << expected.name().toStdString();
}

DrawingSurface Drawn(std::int16_t style, std::int16_t penWidth = 1)
{
    StarSystem system;
    system.SystemType = 1;
    system.StarClass = ClassSuperGiant; // radius 80
    system.StarType = StarOrange;
    AppSettings settings;
    settings.OrbitDisplay = style;
    settings.OrbitPenWidth = penWidth;
    DrawingSurface surface;
    RandomSource random = RandomSource::Deterministic(0);
    DrawOrbitalDisplay(surface, system, settings, Back, random);
    return surface;
}

TEST(SurfacePainter, ColourValuesAreBlueGreenRed)
{
    EXPECT_EQ(ToQColor(0x0080FF), QColor(255, 128, 0));
    EXPECT_EQ(ToQColor(0x004080), QColor(128, 64, 0));
    EXPECT_EQ(ToQColor(static_cast<Colour>(0xFF0000FF)), QColor(255, 0, 0));
}

TEST(SurfacePainter, StarInTheMiddleRoundAndLetterboxInTheBackground)
{
    // A square area in a wide image: 400 x 400 in the middle.
    const QByteArray png = SurfacePng(Drawn(OrbitDisplayComplete), 800, 400);
    ASSERT_TRUE(png.startsWith("\x89PNG\r\n\x1a\n"));
    const QImage image = Decoded(png);
    ASSERT_EQ(image.size(), QSize(800, 400));
    const QColor orange(255, 128, 0), back(96, 64, 32);

    EXPECT_TRUE(Near(image.pixel(400, 200), orange));
    // The star's radius of 80 units is 32 pixels across and down alike (the
    // first orbit line crosses it at 28).
    EXPECT_TRUE(Near(image.pixel(400 + 31, 200), orange, 8));
    EXPECT_TRUE(Near(image.pixel(400, 200 - 31), orange, 8));
    EXPECT_TRUE(Near(image.pixel(400 + 36, 200), back));
    EXPECT_TRUE(Near(image.pixel(400, 200 + 36), back));
    // The strips left and right of the area.
    for (const int x : {0, 100, 199, 601, 799})
        EXPECT_TRUE(Near(image.pixel(x, 200), back)) << x;
    // The outermost orbit line touches the area's edge: grey, not beyond.
    EXPECT_TRUE(Near(image.pixel(400, 10), QColor(150, 150, 150), 80));
    // The same drawing gives the same bytes.
    EXPECT_EQ(SurfacePng(Drawn(OrbitDisplayComplete), 800, 400), png);
}

TEST(SurfacePainter, ShapesStayInsideTheLogicalArea)
{
    // Arced: the star at the middle of the area's left edge; the full orbit
    // circles reach left of it, into the letterbox, where nothing may show.
    const QImage image = Decoded(SurfacePng(Drawn(OrbitDisplayArced, 2), 800, 400));
    const QColor grey(150, 150, 150), back(96, 64, 32);
    // Orbit 2 (radius 115, 92 pixels) crosses the centre line at x = 292,
    // and would at x = 108 if it were not clipped. Two pixels wide.
    EXPECT_TRUE(Near(image.pixel(291, 200), grey, 8));
    EXPECT_TRUE(Near(image.pixel(292, 200), grey, 8));
    EXPECT_TRUE(Near(image.pixel(107, 200), back));
    EXPECT_TRUE(Near(image.pixel(108, 200), back));
    // Half the star shows, right of the area's edge at x = 200.
    EXPECT_TRUE(Near(image.pixel(210, 200), QColor(255, 128, 0)));
    EXPECT_TRUE(Near(image.pixel(190, 200), back));
}

TEST(SurfacePainter, PensAreCosmetic)
{
    DrawingSurface surface;
    surface.SetBackColor(0);
    surface.SetExtents(0, 100, 0, 100);
    surface.SetPenColor(0xFFFFFF);
    surface.SetPenWidth(2);
    surface.Line(50, 0, 50, 100);
    const auto whiteColumns = [](const QImage& image) {
        std::vector<int> columns;
        for (int x = 0; x < image.width(); ++x)
            if (Near(image.pixel(x, 50), Qt::white))
                columns.push_back(x);
        return columns;
    };

    EXPECT_EQ(whiteColumns(SurfaceImage(surface, 100, 100)), (std::vector<int>{49, 50}));
    // Twice the size: the line moves but stays two pixels wide.
    EXPECT_EQ(whiteColumns(SurfaceImage(surface, 200, 200)), (std::vector<int>{99, 100}));

    // A scaled painter does not widen the pen; the pen scale does.
    QImage image(100, 100, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.scale(2, 2);
        PaintSurface(painter, surface, QRectF(0, 0, 50, 50));
    }
    EXPECT_EQ(whiteColumns(image), (std::vector<int>{49, 50}));
    {
        QPainter painter(&image);
        PaintSurface(painter, surface, QRectF(0, 0, 100, 100), 3);
    }
    EXPECT_EQ(whiteColumns(image), (std::vector<int>{47, 48, 49, 50, 51, 52}));
}

} // namespace
} // namespace kelvane
