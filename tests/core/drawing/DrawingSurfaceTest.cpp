#include <gtest/gtest.h>

#include <cmath>

#include "core/drawing/DrawingSurface.h"
#include "core/drawing/SurfaceMapping.h"

namespace kelvane {
namespace {

TEST(DrawingSurface, EachShapeKeepsTheStateItWasDrawnWith)
{
    DrawingSurface surface;
    surface.SetPenColor(0x0000FF);
    surface.SetFillColor(0x00FF00);
    surface.Circle(1.5, -2.25, 0.75); // a new surface fills its circles
    surface.SetPenWidth(2.5);
    surface.SetFillStyle(FillNone);
    surface.SetPenColor(0xFF0000);
    surface.Line(-1, 2, 3, -4);
    surface.Circle(0, 0, 10);

    const auto& shapes = surface.Shapes();
    ASSERT_EQ(shapes.size(), 3u);
    EXPECT_EQ(shapes[0],
              (Shape{Shape::Kind::Circle, 1.5, -2.25, 0, 0, 0.75, 0x0000FF, 1, 0x00FF00, FillSolid}));
    EXPECT_TRUE(shapes[0].Filled());
    EXPECT_EQ(shapes[1], (Shape{Shape::Kind::Line, -1, 2, 3, -4, 0, 0xFF0000, 2.5, 0x00FF00, FillNone}));
    EXPECT_FALSE(shapes[2].Filled());

    // Clearing removes the shapes and keeps the state.
    surface.Clear();
    EXPECT_TRUE(surface.Shapes().empty());
    EXPECT_EQ(surface.PenWidth(), 2.5);
    EXPECT_EQ(surface.FillStyle(), FillNone);
}

void ExpectPoint(SurfacePoint actual, double x, double y)
{
    EXPECT_NEAR(actual.X, x, 1e-9);
    EXPECT_NEAR(actual.Y, y, 1e-9);
}

TEST(SurfaceMapping, LetterboxesAWideTargetAndMapsBack)
{
    // The complete style's square area in a 300 x 200 rectangle at (10, 20):
    // 200 x 200 in the middle, 50-pixel strips left and right.
    const SurfaceMapping mapping({-500, 1000, -500, 1000}, {10, 20, 300, 200});
    EXPECT_EQ(mapping.Scale(), 0.2);
    EXPECT_EQ(mapping.Area(), (DeviceRect{60, 20, 200, 200}));
    ExpectPoint(mapping.ToDevice(-500, -500), 60, 20);
    ExpectPoint(mapping.ToDevice(500, 500), 260, 220);
    ExpectPoint(mapping.ToDevice(0, 0), 160, 120);
    ExpectPoint(mapping.ToDevice(100, -120), 180, 96);

    for (const auto& [x, y] : {std::pair{0.0, 0.0}, {100.0, -120.0}, {-499.5, 333.25}, {12.5, 7.75}})
        ExpectPoint(mapping.ToLogical(mapping.ToDevice(x, y).X, mapping.ToDevice(x, y).Y), x, y);
    // A point in the letterbox lies outside the logical area.
    ExpectPoint(mapping.ToLogical(10, 20), -750, -500);
}

TEST(SurfaceMapping, UpwardYInATallTarget)
{
    // The arced area, 500 wide and 500 high with y growing upwards, in a
    // 100 x 400 rectangle: 100 x 100 in the middle, strips above and below.
    const SurfaceMapping mapping({0, 500, 250, -500}, {0, 0, 100, 400});
    EXPECT_EQ(mapping.Area(), (DeviceRect{0, 150, 100, 100}));
    ExpectPoint(mapping.ToDevice(0, 250), 0, 150);
    ExpectPoint(mapping.ToDevice(500, -250), 100, 250);
    ExpectPoint(mapping.ToDevice(250, 100), 50, 180); // higher y, nearer the top
    ExpectPoint(mapping.ToLogical(50, 180), 250, 100);
    ExpectPoint(mapping.ToLogical(100, 400), 500, -1000); // in the strip below

    // Flipped x too: the left edge is still at the area's left.
    const SurfaceMapping flipped({10, -20, 0, 10}, {0, 0, 40, 20});
    EXPECT_EQ(flipped.Area(), (DeviceRect{0, 0, 40, 20}));
    ExpectPoint(flipped.ToDevice(10, 0), 0, 0);
    ExpectPoint(flipped.ToDevice(-10, 10), 40, 20);
    ExpectPoint(flipped.ToLogical(30, 5), -5, 2.5);
}

TEST(SurfaceMapping, NothingToShowGivesNoNumbersOutOfNowhere)
{
    for (const auto& [extents, target] : {std::pair{LogicalExtents{0, 0, 0, 100}, DeviceRect{0, 0, 100, 100}},
                                          {LogicalExtents{0, 100, 0, 100}, DeviceRect{0, 0, 0, 100}},
                                          {LogicalExtents{0, 100, 0, 100}, DeviceRect{0, 0, 100, -5}}}) {
        const SurfaceMapping mapping(extents, target);
        EXPECT_EQ(mapping.Scale(), 0);
        const SurfacePoint device = mapping.ToDevice(1, 2);
        const SurfacePoint logical = mapping.ToLogical(1, 2);
        EXPECT_TRUE(std::isfinite(device.X) && std::isfinite(device.Y));
        EXPECT_TRUE(std::isfinite(logical.X) && std::isfinite(logical.Y));
    }
}

} // namespace
} // namespace kelvane
