#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/drawing/OrbitalDisplay.h"

namespace kelvane {
namespace {

// Logical width and height as the display sets them for each style.
int PickComplete(double x, double y)
{
    return PickOrbit(x, y, OrbitDisplayComplete, 1000, 1000);
}
int PickArced(double x, double y)
{
    return PickOrbit(x, y, OrbitDisplayArced, 500, -500);
}
int PickFlat(double x, double y)
{
    return PickOrbit(x, y, OrbitDisplayFlat, 500, -500);
}

TEST(PickOrbit, ByDistanceFromTheStar)
{
    EXPECT_EQ(PickComplete(0, 100), 2); // k = 1.78
    EXPECT_EQ(PickComplete(-60, -80), 2);
    EXPECT_EQ(PickComplete(30, 0), 0);  // k = 0.22: near the star, nothing
    EXPECT_EQ(PickArced(472, 0), 10);   // k = 10.04
    EXPECT_EQ(PickArced(480, 200), 10); // distance 520, beyond the last orbit
    EXPECT_EQ(PickArced(160, 0), 3);
    EXPECT_EQ(PickOrbit(0, 205, 9, 500, -500), 4); // an unknown style picks by distance too
    // Far outside the drawn area still picks the outermost orbit.
    EXPECT_EQ(PickComplete(-1e6, 1e6), 10);
    EXPECT_EQ(PickComplete(std::numeric_limits<double>::max(), 0), 10);
}

TEST(PickOrbit, FlatGoesByXAlone)
{
    EXPECT_EQ(PickFlat(160, -240), 3); // k = 3.11
    EXPECT_EQ(PickFlat(160, 240), 3);
    EXPECT_EQ(PickFlat(160, 5000), 3);
    EXPECT_EQ(PickFlat(-300, 0), 0);
    EXPECT_EQ(PickFlat(2000, 0), 10);
}

TEST(PickOrbit, BandsAndTheirHalfwayEdges)
{
    // Orbit n covers distances 45n - 2.5 to 45n + 42.5; a distance exactly
    // halfway goes to the even neighbour.
    EXPECT_EQ(PickComplete(42.5, 0), 0); // k = 0.5 -> 0
    EXPECT_EQ(PickComplete(42.6, 0), 1);
    EXPECT_EQ(PickComplete(87.5, 0), 2); // k = 1.5 -> 2
    EXPECT_EQ(PickComplete(87.4, 0), 1);
    EXPECT_EQ(PickComplete(132.5, 0), 2); // k = 2.5 -> 2
    EXPECT_EQ(PickComplete(132.6, 0), 3);
    EXPECT_EQ(PickComplete(0, -402.5), 8); // k = 8.5 -> 8
    EXPECT_EQ(PickComplete(447.5, 0), 10); // k = 9.5 -> 10
    EXPECT_EQ(PickComplete(447.4, 0), 9);
    EXPECT_EQ(PickFlat(177.5, 0), 4); // k = 3.5 -> 4
    EXPECT_EQ(PickFlat(222.5, 0), 4); // k = 4.5 -> 4
}

TEST(PickOrbit, DistanceScalesWithTheSurfaceProportions)
{
    // The distance is multiplied by |height / width| as read from the surface.
    EXPECT_EQ(PickOrbit(100, 0, OrbitDisplayComplete, 500, -1000), 4); // 200 -> k = 4
    EXPECT_EQ(PickOrbit(200, 0, OrbitDisplayArced, 1000, 500), 2);     // 100 -> k = 1.78
    // A surface without extents picks nothing rather than anything.
    EXPECT_EQ(PickOrbit(0, 0, OrbitDisplayComplete, 0, 0), 0);
}

TEST(DisplayCaption, NamesTheSystem)
{
    EXPECT_EQ(DisplayCaption("Vega"), "Orbital Display (Vega)");
    EXPECT_EQ(DisplayCaption(""), "Orbital Display (<Unnamed System>)");
    EXPECT_EQ(DisplayCaption(" "), "Orbital Display ( )");
}

} // namespace
} // namespace kelvane
