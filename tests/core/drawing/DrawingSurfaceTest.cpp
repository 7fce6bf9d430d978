#include <gtest/gtest.h>

#include <cmath>

#include "core/drawing/SurfaceMapping.h"
#include "core/drawing/SurfaceSvg.h"

namespace kelvane {
namespace {

TEST(SurfaceMapping, LetterboxedAreaAndTheWayBack)
{
    // The complete style's square in a 750 x 500 rectangle at (10, 20): 500 x
    // 500 in the middle, strips of 125 left and right.
    const SurfaceMapping wide({-500, 1000, -500, 1000}, {10, 20, 750, 500});
    EXPECT_EQ(wide.Area(), (DeviceRect{135, 20, 500, 500}));
    EXPECT_EQ(wide.ToDevice(100, -120), (SurfacePoint{435, 210}));
    EXPECT_EQ(wide.ToLogical(435, 210), (SurfacePoint{100, -120}));
    EXPECT_EQ(wide.ToLogical(10, 20), (SurfacePoint{-750, -500})); // in the letterbox, outside the area
    // The arced area, y growing upwards, in a tall rectangle: strips above
    // and below.
    const SurfaceMapping tall({0, 500, 250, -500}, {0, 0, 250, 1000});
    EXPECT_EQ(tall.Area(), (DeviceRect{0, 375, 250, 250}));
    EXPECT_EQ(tall.ToDevice(250, 100), (SurfacePoint{125, 450}));
    EXPECT_EQ(tall.ToLogical(125, 450), (SurfacePoint{250, 100}));

    // Anchored at the left middle, the arced area sits on the left edge of a
    // wide rectangle and in the middle of a tall one; the whole rectangle
    // shows, and points beyond the area map back beyond it.
    const SurfaceMapping wideArced({0, 500, 250, -500}, {0, 0, 1000, 400}, SurfaceAnchor::LeftMiddle);
    EXPECT_EQ(wideArced.Area(), (DeviceRect{0, 0, 400, 400}));
    EXPECT_EQ(wideArced.Visible(), (DeviceRect{0, 0, 1000, 400}));
    EXPECT_EQ(wideArced.ToLogical(900, 200), (SurfacePoint{1125, 0}));
    const SurfaceMapping tallArced({0, 500, 250, -500}, {0, 0, 250, 1000}, SurfaceAnchor::LeftMiddle);
    EXPECT_EQ(tallArced.Area(), tall.Area());
    EXPECT_EQ(tallArced.ToLogical(0, 0), (SurfacePoint{0, 1000}));
    EXPECT_EQ(tallArced.ToDevice(0, 0), (SurfacePoint{0, 500}));
    // A flat orbit line from the area's top to its bottom runs from the top
    // of the rectangle to its bottom; a shorter one does not.
    using Ends = std::array<SurfacePoint, 2>;
    EXPECT_EQ(tallArced.LineToDevice(70, -250, 70, 250), (Ends{SurfacePoint{35, 1000}, SurfacePoint{35, 0}}));
    EXPECT_EQ(tallArced.LineToDevice(70, -200, 70, 250),
              (Ends{SurfacePoint{35, 600}, SurfacePoint{35, 375}}));
    EXPECT_EQ(tall.LineToDevice(70, -250, 70, 250), (Ends{SurfacePoint{35, 625}, SurfacePoint{35, 375}}));

    // No logical width, or a target without area: nothing to show, and no
    // numbers out of nowhere.
    for (const SurfaceMapping& empty : {SurfaceMapping({0, 0, 0, 100}, {0, 0, 100, 100}),
                                        SurfaceMapping({0, 100, 0, 100}, {0, 0, 100, -5})}) {
        const SurfacePoint there = empty.ToDevice(1, 2), back = empty.ToLogical(1, 2);
        EXPECT_EQ(empty.Scale(), 0);
        EXPECT_TRUE(std::isfinite(there.X + there.Y + back.X + back.Y));
    }
}

TEST(SurfaceSvg, BackgroundThenOneElementPerShapeInOrder)
{
    DrawingSurface surface;
    surface.SetBackColor(0x336699);
    surface.SetExtents(-500, 1000, -500, 1000);
    surface.SetPenColor(0x0000FF);
    surface.SetFillColor(0x004080);
    surface.Circle(100, -120, 10); // a new surface fills its circles
    surface.SetFillStyle(FillNone);
    surface.SetPenWidth(2);
    surface.Circle(0, 0, 250);
    surface.SetPenWidth(0.5);
    surface.SetPenColor(static_cast<Colour>(0x80FFFF00)); // the high byte is not a colour
    surface.Line(-500, 0, 500, 0.5);

    // Colours #rrggbb from 0x00BBGGRR; the shapes clipped to the square in the
    // middle; fractions kept; a pen thinner than a pixel is one pixel wide.
    EXPECT_EQ(
        SurfaceSvg(surface, 400, 200),
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"400\" height=\"200\" viewBox=\"0 0 400 200\">\n"
        "<rect x=\"0\" y=\"0\" width=\"400\" height=\"200\" fill=\"#996633\"/>\n"
        "<svg x=\"100\" y=\"0\" width=\"200\" height=\"200\" viewBox=\"100 0 200 200\" overflow=\"hidden\">\n"
        "<circle cx=\"220\" cy=\"76\" r=\"2\" fill=\"#804000\" stroke=\"#ff0000\" stroke-width=\"1\"/>\n"
        "<circle cx=\"200\" cy=\"100\" r=\"50\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"2\"/>\n"
        "<line x1=\"100\" y1=\"100\" x2=\"300\" y2=\"100.1\" stroke=\"#00ffff\" stroke-width=\"1\"/>\n"
        "</svg>\n</svg>\n");
}

} // namespace
} // namespace kelvane
