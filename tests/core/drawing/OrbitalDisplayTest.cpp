#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

#include "core/ScriptedRandom.h"
#include "core/drawing/OrbitalDisplay.h"
#include "core/model/RandomSource.h"

namespace kelvane {
namespace {

using test::ScriptedRandom;

constexpr float Highest = 0x1.fffffep-1f; // the largest draw below 1

// A yellow main-sequence star (radius 25) and ten empty orbits.
StarSystem YellowStar()
{
    StarSystem system;
    system.SystemType = 1;
    system.StarClass = ClassMainSequence;
    system.StarType = StarYellow;
    return system;
}

AppSettings Style(std::int16_t orbitDisplay, bool orbitLines = true)
{
    AppSettings settings;
    settings.OrbitDisplay = orbitDisplay;
    settings.VisibleOrbits = orbitLines ? -1 : 0;
    return settings;
}

DrawingSurface Drawn(const StarSystem& system, const AppSettings& settings, Random& random)
{
    DrawingSurface surface;
    DrawOrbitalDisplay(surface, system, settings, 0, random);
    return surface;
}

// Centre and radius, the colours and the fill of a circle.
auto Circle(const Shape& s)
{
    return std::tuple(s.ShapeKind, s.X1, s.Y1, s.Radius, s.PenColor, s.FillColor, s.Filled());
}
auto Circle(double x, double y, double radius, Colour pen, Colour fill, bool filled)
{
    return std::tuple(Shape::Kind::Circle, x, y, radius, pen, fill, filled);
}

double Degrees(const Shape& dot)
{
    return std::atan2(dot.Y1, dot.X1) * 180 / std::numbers::pi;
}

TEST(DrawOrbitalDisplay, StarOrbitLinesAndPlanetWithMoonsInTheCompleteStyle)
{
    StarSystem system = YellowStar();
    system.Orbit(3) = {TypeEnvAverage, 10, 4, {}, {}, 100, -120, 7, 8};
    ScriptedRandom noDraws;
    DrawingSurface surface;
    DrawOrbitalDisplay(surface, system, Style(OrbitDisplayComplete), 0x123456, noDraws);

    EXPECT_EQ(surface.BackColor(), 0x123456);
    EXPECT_EQ(surface.Extents(), (LogicalExtents{-500, 1000, -500, 1000}));
    const auto& shapes = surface.Shapes();
    ASSERT_EQ(shapes.size(), 1u + 10 + 1 + 4);
    EXPECT_EQ(Circle(shapes[0]), Circle(0, 0, 25, StarYellow, StarYellow, true));
    for (int n = 1; n <= 10; ++n) {
        const Shape& line = shapes[static_cast<std::size_t>(n)];
        EXPECT_EQ(Circle(line), Circle(0, 0, 45 * (n + 1) - 20, 0x969696, StarYellow, false)) << n;
        EXPECT_EQ(line.PenWidth, 1);
    }
    EXPECT_EQ(Circle(shapes[11]), Circle(100, -120, 10, TypeEnvAverage, TypeEnvAverage, true));

    // Evenly on a ring 5 units outside the disc, the first on its right.
    const double expected[4][2] = {{115, -120}, {100, -105}, {85, -120}, {100, -135}};
    for (std::size_t j = 0; j < 4; ++j) {
        const Shape& moon = shapes[12 + j];
        EXPECT_NEAR(moon.X1, expected[j][0], 1e-6) << "moon " << j + 1;
        EXPECT_NEAR(moon.Y1, expected[j][1], 1e-6) << "moon " << j + 1;
        EXPECT_EQ(Circle(moon), Circle(moon.X1, moon.Y1, 2, 0x00FFFF, 0x00FFFF, true));
    }
    // The centres keep their fractions: the drawing's pi is not exact.
    EXPECT_NE(shapes[13].X1, 100.0);
}

TEST(DrawOrbitalDisplay, PlanetCentreDependsOnTheStyleOnly)
{
    StarSystem system = YellowStar();
    system.Orbit(5) = {TypeEnvHostile, 8, -2, {}, {}, -150, 200, 240, 60}; // no moons
    system.Orbit(6) = {12345, 9, 3, {}, {}, 0, 0, 0, 0};                   // not an orbit type
    // Flat puts the planet on the centre line at its slot distance whatever
    // the positions hold; an unknown style uses the full-circle position.
    for (const auto& [style, x, y] : {std::tuple<std::int16_t, double, double>{OrbitDisplayFlat, 250, 0},
                                      {OrbitDisplayArced, 240, 60},
                                      {OrbitDisplayComplete, -150, 200},
                                      {7, -150, 200}}) {
        ScriptedRandom noDraws;
        const DrawingSurface surface = Drawn(system, Style(style, false), noDraws);
        ASSERT_EQ(surface.Shapes().size(), 2u) << style;
        EXPECT_EQ(Circle(surface.Shapes()[1]), Circle(x, y, 8, TypeEnvHostile, TypeEnvHostile, true))
            << style;
    }
}

TEST(DrawOrbitalDisplay, FlatBeltOfFiftyDotsWithinItsBounds)
{
    StarSystem system = YellowStar();
    system.Orbit(1).Type = TypeAsteroids;
    ScriptedRandom random;
    random.Push({0, 0, 0, 0});                         // the lowest corner
    random.Push({Highest, Highest, Highest, Highest}); // the highest
    random.Push({0.5f, 0.1f, 0.7f, 0.3f});             // a, b, s from the first three, in order
    RandomSource source = RandomSource::Deterministic(11);
    while (random.Remaining() < 200)
        random.Push(source.Draw());
    random.Push(0.5f); // one more than a belt takes

    const DrawingSurface surface = Drawn(system, Style(OrbitDisplayFlat, false), random);
    EXPECT_EQ(random.Log(), std::string(200, 'D'));
    const std::vector<Shape> dots(surface.Shapes().begin() + 1, surface.Shapes().end());
    ASSERT_EQ(dots.size(), 50u);
    for (const Shape& dot : dots) {
        EXPECT_TRUE(dot.X1 >= 60 && dot.X1 <= 80 && dot.Y1 >= -250 && dot.Y1 <= 250)
            << dot.X1 << ", " << dot.Y1;
        EXPECT_TRUE(dot.Radius >= 1 && dot.Radius <= 5 && dot.Radius == std::floor(dot.Radius)) << dot.Radius;
        EXPECT_EQ(Circle(dot), Circle(dot.X1, dot.Y1, dot.Radius, TypeAsteroids, TypeAsteroids, true));
    }
    EXPECT_EQ(std::tie(dots[0].X1, dots[0].Y1, dots[0].Radius), std::tuple(60.0, -250.0, 1.0));
    EXPECT_EQ(std::tie(dots[1].X1, dots[1].Y1, dots[1].Radius), std::tuple(80.0, 250.0, 5.0));
    EXPECT_EQ(std::tie(dots[2].X1, dots[2].Y1, dots[2].Radius), std::tuple(70.0, -200.0, 4.0));
}

TEST(DrawOrbitalDisplay, BeltAnglesInTheArcedAndCompleteStyles)
{
    StarSystem system = YellowStar();
    system.Orbit(10).Type = TypeAsteroids;
    ScriptedRandom random;
    random.Push({0, 0.5f, 0.5f, 0});             // nearest, at -35 degrees
    random.Push({Highest, 0.5f, 0.5f, Highest}); // farthest, just below 36 degrees
    random.Push({0.5f, 0.5f, 0.5f, 0.5f});       // 0.5 degrees, up the screen
    RandomSource source = RandomSource::Deterministic(3);
    while (random.Remaining() < 280)
        random.Push(source.Draw());

    const DrawingSurface arced = Drawn(system, Style(OrbitDisplayArced, false), random);
    const std::vector<Shape> dots(arced.Shapes().begin() + 1, arced.Shapes().end());
    ASSERT_EQ(dots.size(), 70u);
    for (const Shape& dot : dots) {
        EXPECT_TRUE(Degrees(dot) >= -35 - 1e-6 && Degrees(dot) < 36) << Degrees(dot);
        EXPECT_TRUE(std::hypot(dot.X1, dot.Y1) >= 465 - 1e-9 && std::hypot(dot.X1, dot.Y1) <= 485 + 1e-9);
    }
    EXPECT_NEAR(Degrees(dots[0]), -35, 1e-5);
    EXPECT_NEAR(std::hypot(dots[0].X1, dots[0].Y1), 465, 1e-9);
    EXPECT_GT(Degrees(dots[1]), 35.99);
    EXPECT_NEAR(std::hypot(dots[1].X1, dots[1].Y1), 485, 1e-9);
    EXPECT_NEAR(Degrees(dots[2]), 0.5, 1e-5);
    EXPECT_GT(dots[2].Y1, 0);

    // Complete: 360 u + 1 degrees, all the way round (181 is -179 to atan2).
    system.Orbit(10).Type = TypeNothing;
    system.Orbit(2).Type = TypeAsteroids;
    for (int i = 0; i < 60; ++i)
        random.Push({0.5f, 0.5f, 0.5f, static_cast<float>(i) / 60});
    const DrawingSurface complete = Drawn(system, Style(OrbitDisplayComplete, false), random);
    ASSERT_EQ(complete.Shapes().size(), 61u);
    EXPECT_NEAR(Degrees(complete.Shapes()[1]), 1, 1e-5);
    EXPECT_NEAR(Degrees(complete.Shapes()[31]), -179, 1e-5);
    EXPECT_NEAR(std::hypot(complete.Shapes()[31].X1, complete.Shapes()[31].Y1), 115, 1e-9);
}

TEST(DrawOrbitalDisplay, BeltDotCountsAndDrawsPerStyleAndOrbit)
{
    const int arced[10] = {20, 30, 40, 50, 60, 70, 70, 70, 70, 70};
    const int complete[10] = {30, 60, 60, 90, 90, 120, 120, 150, 150, 180};
    for (int n = 1; n <= 10; ++n) {
        StarSystem system = YellowStar();
        system.Orbit(n).Type = TypeAsteroids;
        // An unknown style draws no dots and takes no draws.
        for (const auto& [style, dots] : {std::pair<std::int16_t, int>{OrbitDisplayArced, arced[n - 1]},
                                          {OrbitDisplayFlat, 50},
                                          {OrbitDisplayComplete, complete[n - 1]},
                                          {0, 0}}) {
            ScriptedRandom random;
            for (int i = 0; i < 4 * 180; ++i)
                random.Push(0.25f);
            const DrawingSurface surface = Drawn(system, Style(style, false), random);
            EXPECT_EQ(surface.Shapes().size(), 1u + dots) << "style " << style << ", orbit " << n;
            EXPECT_EQ(4 * 180 - random.Remaining(), 4u * dots) << "style " << style << ", orbit " << n;
        }
    }
}

TEST(DrawOrbitalDisplay, OnlyTheBackgroundUnlessSystemTypeIsOne)
{
    StarSystem system = YellowStar();
    system.Orbit(4) = {TypeEnvGood, 9, 2, {}, {}, 10, 10, 10, 10};
    system.Orbit(6).Type = TypeAsteroids;
    for (const int systemType : {0, 2, -1}) {
        system.SystemType = static_cast<std::int16_t>(systemType);
        // An unknown style takes the arced extents.
        for (const std::int16_t style : std::initializer_list<std::int16_t>{
                 OrbitDisplayArced, OrbitDisplayFlat, OrbitDisplayComplete, 9}) {
            DrawingSurface surface;
            surface.Circle(1, 2, 3); // cleared away
            ScriptedRandom noDraws;
            DrawOrbitalDisplay(surface, system, Style(style), 0x00FF00, noDraws);
            EXPECT_TRUE(surface.Shapes().empty());
            EXPECT_EQ(surface.BackColor(), 0x00FF00);
            const LogicalExtents expected = style == OrbitDisplayComplete
                                                ? LogicalExtents{-500, 1000, -500, 1000}
                                                : LogicalExtents{0, 500, 250, -500};
            EXPECT_EQ(surface.Extents(), expected) << style;
        }
    }
}

TEST(DrawOrbitalDisplay, OrbitLineOptions)
{
    StarSystem system = YellowStar();
    system.Orbit(2) = {TypeEnvPoor, 6, 0, {}, {}, 0, 115, 115, 0};
    ScriptedRandom noDraws;
    // Off (only 0 is off): star and planet only.
    AppSettings settings = Style(OrbitDisplayArced, false);
    EXPECT_EQ(Drawn(system, settings, noDraws).Shapes().size(), 2u);

    // Any non-zero value is on; white and thicker lines; flat lines are
    // vertical from the bottom edge to the top; an unknown style draws circles.
    settings.VisibleOrbits = 1;
    settings.WhiteOrbits = 5;
    settings.OrbitPenWidth = 2;
    for (const std::int16_t style : std::initializer_list<std::int16_t>{OrbitDisplayFlat, 4}) {
        settings.OrbitDisplay = style;
        const DrawingSurface surface = Drawn(system, settings, noDraws);
        ASSERT_EQ(surface.Shapes().size(), 12u);
        for (int n = 1; n <= 10; ++n) {
            const Shape& line = surface.Shapes()[static_cast<std::size_t>(n)];
            const double d = 45 * (n + 1) - 20;
            if (style == OrbitDisplayFlat)
                EXPECT_EQ(std::tie(line.ShapeKind, line.X1, line.Y1, line.X2, line.Y2),
                          std::tuple(Shape::Kind::Line, d, -250.0, d, 250.0));
            else
                EXPECT_EQ(Circle(line), Circle(0, 0, d, 0xFFFFFF, StarYellow, false));
            EXPECT_EQ(std::tie(line.PenColor, line.PenWidth), std::tuple(0xFFFFFF, 2.0));
        }
    }
}

TEST(DrawOrbitalDisplay, PenWidthComesBackWholeAndTheFillOn)
{
    const StarSystem system = YellowStar();
    AppSettings settings = Style(OrbitDisplayComplete);
    settings.OrbitPenWidth = 2;
    // The previous width is remembered as a whole number, halves to even.
    for (const auto& [before, after] :
         {std::pair{1.0, 1.0}, {3.0, 3.0}, {1.5, 2.0}, {2.5, 2.0}, {0.5, 0.0}, {1.25, 1.0}, {2.75, 3.0}}) {
        DrawingSurface surface;
        surface.SetPenWidth(before);
        ScriptedRandom noDraws;
        DrawOrbitalDisplay(surface, system, settings, 0, noDraws);
        EXPECT_EQ(surface.PenWidth(), after) << before;
        EXPECT_EQ(surface.Shapes()[0].PenWidth, before) << "the star comes before the lines";
        EXPECT_EQ(surface.Shapes()[10].PenWidth, 2);
        // The lines switch the fill off; the bodies must switch it back on,
        // or the star of the next drawing would be a ring.
        EXPECT_EQ(surface.FillStyle(), FillSolid);
    }
    // Without orbit lines the width is not touched at all.
    settings.VisibleOrbits = 0;
    DrawingSurface surface;
    surface.SetPenWidth(2.5);
    ScriptedRandom noDraws;
    DrawOrbitalDisplay(surface, system, settings, 0, noDraws);
    EXPECT_EQ(surface.PenWidth(), 2.5);
}

} // namespace
} // namespace kelvane
