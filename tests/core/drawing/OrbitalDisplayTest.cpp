#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <span>
#include <tuple>

#include "core/ScriptedRandom.h"
#include "core/drawing/OrbitalDisplay.h"
#include "core/model/RandomSource.h"

namespace kelvane {
namespace {

using test::ScriptedRandom;
using I = std::int16_t;
using S = OrbitDisplayStyle;
constexpr S A = S::Arced, F = S::Flat, C = S::Complete; // for the tables

// A yellow main-sequence star (radius 25) with a belt in orbit n, drawn
// without orbit lines.
DrawingSurface Belt(int n, S style, Random& random)
{
    StarSystem system{"", 1, ClassMainSequence, StarYellow, {}, {}, {}, {}};
    system.Orbit(n).Type = TypeAsteroids;
    AppSettings settings;
    settings.OrbitDisplay = style, settings.VisibleOrbits = 0;
    DrawingSurface surface;
    DrawOrbitalDisplay(surface, system, settings, 0, random);
    return surface;
}

Shape Disc(double x, double y, double radius, Colour colour, double penWidth = 1)
{
    return {Shape::Kind::Circle, x, y, 0, 0, radius, colour, penWidth, colour, FillSolid};
}

// The lowest draws, the highest, and a dot in between (across, height, size
// and angle in order), then draws from a seeded source up to total.
ScriptedRandom BeltDraws(std::size_t total)
{
    constexpr float top = 0x1.fffffep-1f; // the largest draw below 1
    ScriptedRandom random{0, 0, 0, 0, top, top, top, top, 0.5f, 0.1f, 0.7f, 0.3f};
    for (RandomSource source = RandomSource::Deterministic(11); random.Remaining() < total;)
        random.Push(source.Draw());
    return random;
}

TEST(DrawOrbitalDisplay, EachStyleWithAndWithoutOrbitLines)
{
    StarSystem system{"", 0, ClassMainSequence, StarYellow, {}, {}, {}, {}}; // radius 25
    system.Orbit(3) = {TypeEnvAverage, 10, 4, {}, {}, 100, -120, 7, 8};
    system.Orbit(6) = {12345, 9, 3, {}, {}, 0, 0, 0, 0}; // not an orbit type: not drawn
    const LogicalExtents arced{0, 500, 250, -500}, complete{-500, 1000, -500, 1000};
    // A style, its extents and planet centre; orbit lines (any value but 0 is
    // on), white lines, the line width, and the surface's pen width before and
    // after: whole, halves to even, untouched without lines. Flat puts the
    // planet on the centre line at its slot distance and draws straight lines;
    // an unknown style takes the arced extents, the full-circle position and circles.
    const std::tuple<S, LogicalExtents, double, double, I, I, I, double, double> cases[] = {
        {C, complete, 100, -120, -1, 0, 1, 1.5, 2},
        {F, arced, 160, 0, 1, 5, 2, 2.5, 2},
        {S{7}, arced, 100, -120, 1, -1, 2, 0.5, 0},
        {A, arced, 7, 8, 1, 1, 2, 2.75, 3},
        {A, arced, 7, 8, 0, 1, 2, 2.5, 2.5}};
    for (const auto& [style, extents, x, y, visible, white, width, before, after] : cases) {
        AppSettings settings;
        std::tie(settings.OrbitDisplay, settings.VisibleOrbits, settings.WhiteOrbits,
                 settings.OrbitPenWidth) = std::tie(style, visible, white, width);
        for (const I type : {I{0}, I{2}, I{-1}, I{1}}) {
            system.SystemType = type;
            DrawingSurface surface;
            surface.Circle(1, 2, 3); // cleared away
            surface.SetPenWidth(before);
            ScriptedRandom noDraws;
            DrawOrbitalDisplay(surface, system, settings, 0x123456, noDraws);
            EXPECT_EQ(std::tuple(surface.BackColor(), surface.Extents()), std::tuple(0x123456, extents))
                << int(style);
            const std::size_t lines = visible != 0 ? 10 : 0;
            ASSERT_EQ(surface.Shapes().size(), type == 1 ? 6 + lines : 0) << int(style) << ", type " << type;
            if (type != 1)
                continue;
            const auto& shapes = surface.Shapes();
            EXPECT_EQ(shapes[0], Disc(0, 0, 25, StarYellow, before)) << "the star comes before the lines";
            const Colour pen = white != 0 ? 0xFFFFFF : 0x969696;
            for (std::size_t n = 1; n <= lines; ++n) {
                const double d = 45 * (static_cast<int>(n) + 1) - 20, w = width;
                const Shape line =
                    style == F ? Shape{Shape::Kind::Line, d, -250, d, 250, 0, pen, w, StarYellow, FillNone}
                               : Shape{Shape::Kind::Circle, 0, 0, 0, 0, d, pen, w, StarYellow, FillNone};
                EXPECT_EQ(shapes[n], line) << int(style) << ", orbit " << n;
            }
            EXPECT_EQ(surface.PenWidth(), after) << before;
            EXPECT_EQ(shapes[lines + 1], Disc(x, y, 10, TypeEnvAverage, after)) << int(style);
            // Yellow, evenly on a ring 5 units outside the disc, the first on its right.
            const double ring[4][2] = {{15, 0}, {0, 15}, {-15, 0}, {0, -15}};
            for (std::size_t j = 0; j < 4; ++j) {
                const Shape& moon = shapes[lines + 2 + j];
                EXPECT_NEAR(moon.X1, x + ring[j][0], 1e-6) << int(style) << ", moon " << j;
                EXPECT_NEAR(moon.Y1, y + ring[j][1], 1e-6) << int(style) << ", moon " << j;
                EXPECT_EQ(moon, Disc(moon.X1, moon.Y1, 2, 0x00FFFF, after));
            }
            // The centres keep their fractions: the drawing's pi is not exact.
            EXPECT_NE(shapes[lines + 3].X1, x);
            EXPECT_EQ(surface.FillStyle(), FillSolid); // or the next drawing's star would be a ring
        }
    }
}

TEST(DrawOrbitalDisplay, BeltDotsWithinTheirBoundsFourDrawsEach)
{
    ScriptedRandom random = BeltDraws(201); // one more than the belt takes
    const DrawingSurface flat = Belt(1, F, random);
    EXPECT_EQ(random.Log(), std::string(200, 'D'));
    ASSERT_EQ(flat.Shapes().size(), 51u);
    for (const Shape& dot : std::span(flat.Shapes()).subspan(1))
        EXPECT_TRUE(dot.X1 >= 60 && dot.X1 <= 80 && dot.Y1 >= -250 && dot.Y1 <= 250)
            << dot.X1 << ", " << dot.Y1;
    EXPECT_EQ(flat.Shapes()[1], Disc(60, -250, 1, TypeAsteroids));
    EXPECT_EQ(flat.Shapes()[2], Disc(80, 250, 5, TypeAsteroids));
    EXPECT_EQ(flat.Shapes()[3], Disc(70, -200, 4, TypeAsteroids));
    // An unknown style draws no dots and takes no draws.
    EXPECT_EQ(Belt(1, S{0}, random).Shapes().size(), 1u);

    // Arced, orbit 10: 465 to 485 out, from -35 degrees to just below 36.
    const auto degrees = [](const Shape& dot) { return std::atan2(dot.Y1, dot.X1) * 180 / std::numbers::pi; };
    random = BeltDraws(281);
    const DrawingSurface arced = Belt(10, A, random);
    const auto& dots = arced.Shapes();
    EXPECT_EQ(random.Log().size(), 280u);
    ASSERT_EQ(dots.size(), 71u);
    for (const Shape& dot : std::span(dots).subspan(1)) {
        const double r = std::hypot(dot.X1, dot.Y1);
        EXPECT_TRUE(degrees(dot) >= -35 - 1e-6 && degrees(dot) < 36 && r >= 465 - 1e-9 && r <= 485 + 1e-9)
            << degrees(dot) << " degrees, " << r << " out";
    }
    // The lowest draws, the highest, and the third dot below the centre line.
    for (const auto& [i, angle, out] : {std::tuple{1, -35.0, 465.0}, {2, 36.0, 485.0}, {3, -13.7, 475.0}}) {
        EXPECT_NEAR(degrees(dots[i]), angle, 1e-5) << i;
        EXPECT_NEAR(std::hypot(dots[i].X1, dots[i].Y1), out, 1e-9) << i;
    }

    // Complete, orbit 2: 60 dots at 360 u + 1 degrees, all the way round.
    random = BeltDraws(241);
    const DrawingSurface complete = Belt(2, C, random);
    EXPECT_EQ(random.Log().size(), 240u);
    EXPECT_NEAR(degrees(complete.Shapes().at(3)), 109, 1e-4);
}

TEST(PickOrbit, ByDistanceFromTheStarOrInTheFlatStyleByXAlone)
{
    constexpr double far = std::numeric_limits<double>::max();
    // Orbit n lies from 45n - 2.5 to 45n + 42.5 out; exactly halfway goes to
    // the even neighbour. Too near the star picks nothing, beyond the last
    // orbit picks 10. An unknown style (9) goes by the distance too.
    const std::tuple<S, double, double, int> cases[] = {
        {C, 0, 100, 2},    {C, 30, 0, 0},     {A, 472, 0, 10},   {A, 480, 200, 10}, {C, far, 0, 10},
        {S{9}, 0, 205, 4}, {F, 160, -240, 3}, {F, 160, 5000, 3}, {F, -300, 0, 0},   {F, 2000, 0, 10},
        {C, 42.5, 0, 0},   {C, 42.6, 0, 1},   {C, 87.4, 0, 1},   {C, 87.5, 0, 2},   {C, 0, -132.5, 2},
        {C, 447.5, 0, 10}, {F, 177.5, 0, 4},  {F, 222.5, 0, 4}};
    for (const auto& [style, x, y, orbit] : cases) {
        // The logical width and height that the display sets for the style.
        const double width = style == C ? 1000 : 500, height = style == C ? 1000 : -500;
        EXPECT_EQ(PickOrbit(x, y, style, width, height), orbit) << int(style) << ": " << x << ", " << y;
    }
    EXPECT_EQ(PickOrbit(0, 0, C, 0, 0), 0); // a surface without extents picks nothing
}

} // namespace
} // namespace kelvane
