#include <gtest/gtest.h>

#include <string>

#include "RollBands.h"
#include "ScriptedRandom.h"
#include "core/AppState.h"
#include "core/model/Codes.h"
#include "core/model/modGenerate.h"

namespace kelvane {
namespace {

using test::Before;
using test::ExpectBands;
using test::FirstDrawOfRoll;
using test::FirstDrawWhere;
using test::ForRoll;
using test::ScriptedRandom;

Distance AU(const char* text)
{
    return *Distance::Parse(text);
}

// A yellow main-sequence star: zone 0.8 to 1.2 AU, inner limit 0.
StarSystem YellowStar()
{
    StarSystem s;
    s.StarClass = ClassMainSequence;
    s.StarType = StarYellow;
    ComputeZones(s, 1);
    return s;
}

StarSystem WhiteDwarf()
{
    StarSystem s;
    s.StarClass = ClassWhiteDwarf;
    s.StarType = StarWhite;
    ComputeZones(s, 1);
    return s;
}

// Enough draws after the first for any planet or belt that follows it.
ScriptedRandom Then(float first, float rest = 0.0f)
{
    ScriptedRandom random{first};
    for (int i = 0; i < 40; ++i)
        random.Push(rest);
    return random;
}

std::string Contents(std::int32_t type)
{
    return type == TypeNothing ? "nothing" : type == TypeAsteroids ? "asteroids" : "planet";
}

TEST(ComputeOrbitDistances, DoublingSeriesFromBaseAndStep)
{
    StarSystem s = YellowStar();
    const struct {
        int baseRoll, stepRoll;
        const char* d10;
    } cases[] = {{1, 1, "76.9"}, {1, 2, "89.7"}, {5, 3, "102.9"}, {3, 2, "89.9"}};
    for (const auto& c : cases) {
        ScriptedRandom random{ForRoll(c.baseRoll, 5), ForRoll(c.stepRoll, 3)};
        const auto d = ComputeOrbitDistances(s, random);
        EXPECT_EQ(random.Log(), "RDD");
        EXPECT_EQ(d[0].Units(), c.baseRoll * 1000);
        const Distance step = d[1] - d[0];
        for (std::size_t n = 2; n < 10; ++n)
            EXPECT_EQ(d[n] - d[0], step * (1LL << (n - 1))) << n;
        EXPECT_EQ(d[9].Format(), c.d10);
    }
}

TEST(ComputeOrbitDistances, RedSubdwarfStepsByTwoTenthsWithoutARoll)
{
    StarSystem s;
    s.StarClass = ClassSubdwarf;
    s.StarType = StarRed;
    ScriptedRandom random{ForRoll(1, 5)};
    const auto d = ComputeOrbitDistances(s, random);
    EXPECT_EQ(random.Log(), "RD");
    const char* expected[] = {"0.1", "0.3", "0.5", "0.9", "1.7", "3.3", "6.5", "12.9", "25.7", "51.3"};
    for (std::size_t n = 0; n < 10; ++n)
        EXPECT_EQ(d[n].Format(), expected[n]);
}

TEST(RollOrbitContents, BandsByZone)
{
    const StarSystem s = YellowStar();
    const auto at = [&](const char* d) {
        return [&s, d](float u) {
            ScriptedRandom random = Then(u);
            return Contents(RollOrbitContents(s, random, 2, 3, AU(d)).Type);
        };
    };
    // Both edges of the zone belong to it.
    for (const char* inZone : {"0.8", "1", "1.2"})
        ExpectBands<std::string>(20, {{15, "planet"}, {19, "nothing"}, {20, "asteroids"}}, at(inZone));
    ExpectBands<std::string>(20, {{10, "planet"}, {19, "nothing"}, {20, "asteroids"}}, at("0.7999"));
    ExpectBands<std::string>(20, {{10, "planet"}, {18, "nothing"}, {20, "asteroids"}}, at("1.2001"));
}

TEST(RollOrbitContents, NothingBelowTheInnerLimitWithoutARoll)
{
    StarSystem s = YellowStar();
    s.InnerLimit = AU("0.5");
    ScriptedRandom random;
    const RolledOrbit rolled = RollOrbitContents(s, random, 2, 1, AU("0.4999"));
    EXPECT_EQ(random.Log(), "R");
    EXPECT_EQ(rolled.Type, TypeNothing);
    EXPECT_TRUE(rolled.Elements.IsEmpty());

    // At the limit itself the orbit is not below it.
    ScriptedRandom atLimit = Then(0.0f);
    EXPECT_NE(RollOrbitContents(s, atLimit, 2, 1, AU("0.5")).Type, TypeNothing);
}

TEST(RollOrbitContents, AsteroidBeltHasElementsButNoBody)
{
    const StarSystem s = YellowStar();
    ScriptedRandom random = Then(Before(1.0f), 0.0f);
    const RolledOrbit rolled = RollOrbitContents(s, random, 2, 4, AU("5"));
    EXPECT_EQ(rolled.Type, TypeAsteroids);
    EXPECT_EQ(rolled.Radius, 0);
    EXPECT_EQ(rolled.Moons, 0);
    EXPECT_EQ(rolled.Elements.View(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(random.Log(), "RD" + std::string(26, 'D'));
}

TEST(RollOrbitContents, WhiteDwarfRule)
{
    const StarSystem s = WhiteDwarf();
    const float planet = ForRoll(1, 20);
    const float hostile = ForRoll(12, 20);
    const float belt = ForRoll(20, 20);

    // Inside 1 AU nothing survives, but the rolled body stays in the record.
    ScriptedRandom close = Then(planet, 0.5f);
    const RolledOrbit burnt = RollOrbitContents(s, close, 2, 2, AU("0.9999"));
    EXPECT_EQ(burnt.Type, TypeNothing);
    EXPECT_GE(burnt.Radius, 5);
    EXPECT_EQ(burnt.Elements.At(1), 'A');

    ScriptedRandom closeBelt = Then(belt);
    EXPECT_EQ(RollOrbitContents(s, closeBelt, 2, 2, AU("0.5")).Type, TypeNothing);

    // From 1 AU up to 40 AU planets are barren whatever was rolled.
    for (const char* d : {"1", "39.9999"}) {
        ScriptedRandom random = Then(planet, hostile);
        EXPECT_EQ(RollOrbitContents(s, random, 2, 5, AU(d)).Type, TypeEnvNone) << d;
    }
    // Belts there, and planets from 40 AU on, keep what was rolled.
    ScriptedRandom farBelt = Then(belt);
    EXPECT_EQ(RollOrbitContents(s, farBelt, 2, 5, AU("1")).Type, TypeAsteroids);
    ScriptedRandom far = Then(planet, hostile);
    EXPECT_EQ(RollOrbitContents(s, far, 2, 9, AU("40")).Type, TypeEnvHostile);
}

std::int32_t Environment(const StarSystem& s, const char* d, float u, std::int16_t lifeSupport = 2)
{
    ScriptedRandom random = Then(u);
    std::int32_t type = 0;
    std::int16_t radius = 0, moons = 0;
    ElementText elements;
    MakePlanet(s, random, lifeSupport, 3, AU(d), type, radius, moons, elements);
    return type;
}

TEST(MakePlanet, EnvironmentBandsOutsideTheZone)
{
    const StarSystem s = YellowStar();
    ExpectBands<std::int32_t>(20, {{8, TypeEnvNone}, {17, TypeEnvHostile}, {20, TypeEnvPoor}},
                              [&](float u) { return Environment(s, "0.5", u); });
    ExpectBands<std::int32_t>(20, {{10, TypeEnvNone}, {19, TypeEnvHostile}, {20, TypeEnvPoor}},
                              [&](float u) { return Environment(s, "2", u); });
}

TEST(MakePlanet, BelowTheInnerLimitIsNoneWithoutARoll)
{
    StarSystem s = YellowStar();
    s.InnerLimit = AU("1");
    ScriptedRandom random{0.0f, 0.0f};
    for (int i = 0; i < 26; ++i)
        random.Push(0.0f);
    std::int32_t type = TypeEnvGood;
    std::int16_t radius = 0, moons = 0;
    ElementText elements;
    MakePlanet(s, random, 2, 1, AU("0.5"), type, radius, moons, elements);
    EXPECT_EQ(type, TypeEnvNone);
    EXPECT_EQ(random.Remaining(), 0u); // radius, moons and 26 elements only
}

TEST(MakePlanet, HabitableThresholdsForEachLifeSupportOption)
{
    const StarSystem s = YellowStar();
    const std::int32_t order[6] = {TypeEnvNone,    TypeEnvHostile, TypeEnvPoor,
                                   TypeEnvAverage, TypeEnvGood,    TypeEnvExcellent};
    const struct {
        std::int16_t option;
        int t[5];
    } rows[] = {{1, {10, 20, 24, 26, 28}}, {2, {5, 10, 15, 20, 25}}, {3, {3, 6, 11, 18, 25}},
                {4, {2, 4, 10, 15, 20}},   {0, {2, 4, 10, 15, 20}},  {9, {2, 4, 10, 15, 20}}};
    for (const auto& row : rows) {
        EXPECT_EQ(Environment(s, "1", 0.0f, row.option), TypeEnvNone);
        EXPECT_EQ(Environment(s, "1", Before(1.0f), row.option), TypeEnvExcellent);
        for (int k = 0; k < 5; ++k) {
            // r = 30u + 1, not rounded: the threshold itself belongs to the lower band.
            const float above = FirstDrawWhere([&](float u) { return 30.0 * u + 1.0 > row.t[k]; });
            EXPECT_EQ(Environment(s, "1", Before(above), row.option), order[k])
                << "option " << row.option << " t" << k + 1;
            EXPECT_EQ(Environment(s, "1", above, row.option), order[k + 1])
                << "option " << row.option << " t" << k + 1;
        }
    }
}

TEST(MakePlanet, RadiusAndMoonsRanges)
{
    const StarSystem s = YellowStar();
    for (int n : {1, 10}) {
        for (const auto& [u, radius, moonsAtTop] :
             std::vector<std::tuple<float, int, int>>{{0.0f, 5, 0}, {Before(1.0f), n + 8, n + 3}}) {
            ScriptedRandom random{ForRoll(1, 20), u, Before(1.0f)};
            for (int i = 0; i < 26; ++i)
                random.Push(0.0f);
            std::int32_t type = 0;
            std::int16_t r = 0, moons = 0;
            ElementText elements;
            MakePlanet(s, random, 2, n, AU("0.5"), type, r, moons, elements);
            EXPECT_EQ(r, radius) << n;
            EXPECT_EQ(moons, moonsAtTop) << n; // radius - 5 at most
        }
    }
}

TEST(RollElements, EachLetterAtItsThreshold)
{
    // Position i holds its letter when a roll of 1 to 3i is 5 or less.
    ScriptedRandom present, absent;
    for (int i = 1; i <= 26; ++i) {
        const float firstMissing = FirstDrawOfRoll(6, 3 * i);
        present.Push(Before(firstMissing));
        absent.Push(i == 1 ? Before(1.0f) : firstMissing);
    }
    ElementText elements("garbage that must go away");
    RollElements(elements, present);
    EXPECT_EQ(elements.View(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    RollElements(elements, absent);
    EXPECT_EQ(elements.View(), "A" + std::string(25, ' '));
}

TEST(ComputeOrbitPositions, WorkedExamples)
{
    const auto positions = [](int n, double theta) {
        ScriptedRandom random{static_cast<float>((theta + 180.0) / 361.0)};
        return ComputeOrbitPositions(n, random);
    };
    // Orbit 10 at 170 degrees: the arc angle halves 170, 85, 42.5, 21.25.
    OrbitPositions p = positions(10, 170);
    EXPECT_EQ(p.XArc, 443);
    EXPECT_EQ(p.YArc, 172);
    EXPECT_EQ(p.X, -468);
    EXPECT_EQ(p.Y, 82);
    // The same below zero, mirrored.
    p = positions(10, -170);
    EXPECT_EQ(p.XArc, 443);
    EXPECT_EQ(p.YArc, -172);
    // Orbit 1 at -60 degrees lies within its limit of 75.
    p = positions(1, -60);
    EXPECT_EQ(p.X, 35);
    EXPECT_EQ(p.Y, -61);
    EXPECT_EQ(p.XArc, 35);
    EXPECT_EQ(p.YArc, -61);
    p = positions(5, 0);
    EXPECT_EQ(p.X, 250);
    EXPECT_EQ(p.Y, 0);
    EXPECT_EQ(p.XArc, 250);
    EXPECT_EQ(p.YArc, 0);
}

TEST(ComputeOrbitPositions, EveryPointInsideItsStyleArea)
{
    for (int n = 1; n <= 10; ++n) {
        for (int k = 0; k <= 1000; ++k) {
            ScriptedRandom random{k == 1000 ? Before(1.0f) : static_cast<float>(k / 1000.0)};
            const OrbitPositions p = ComputeOrbitPositions(n, random);
            EXPECT_LE(std::abs(p.YArc), 250) << n << " " << k;
            EXPECT_GT(p.XArc, 0) << n << " " << k;
            EXPECT_LE(std::abs(p.X), 500);
            EXPECT_LE(std::abs(p.Y), 500);
        }
    }
}

TEST(OrbitPass, PlanetsGetPositionsOthersKeepOldOnes)
{
    AppState app;
    app.system = YellowStar();
    app.system.SystemType = 1;
    app.system.SystemName = "Kept";
    app.CurrentFileName = "/x.KVN";
    app.DisplayBackColor = 0xFFFFFF;
    for (OrbitRecord& orbit : app.system.Orbits)
        orbit.PosX = orbit.PosY = orbit.PosXArc = orbit.PosYArc = 999;

    auto scripted = std::make_unique<ScriptedRandom>();
    ScriptedRandom& random = *scripted;
    app.random = std::move(scripted);
    random.Push({ForRoll(1, 5), ForRoll(1, 3)}); // 0.1, 0.4, 0.7, 1.3, ... 76.9
    // Orbit 1: a planet in the inner zone (Hostile), radius 5, no moons, only
    // "A", at 0 degrees. Orbits 2 to 10: nothing.
    random.Push({ForRoll(1, 20), ForRoll(9, 20), 0.0f, 0.0f});
    for (int i = 0; i < 26; ++i)
        random.Push(Before(1.0f));
    random.Push(static_cast<float>(180.0 / 361.0));
    for (int n = 2; n <= 10; ++n)
        random.Push(ForRoll(15, 20)); // nothing, inside or outside the zone

    GenerateOrbitsOnly(app);
    EXPECT_EQ(random.Remaining(), 0u);
    EXPECT_EQ(app.system.SystemName, "Kept");
    EXPECT_EQ(app.CurrentFileName, "");
    EXPECT_EQ(app.DisplayBackColor, 0);
    const OrbitRecord& planet = app.system.Orbit(1);
    EXPECT_EQ(planet.Type, TypeEnvHostile);
    EXPECT_EQ(planet.Radius, 5);
    EXPECT_EQ(planet.Elements.View(), "A" + std::string(25, ' '));
    EXPECT_EQ(planet.AU.Format(), "0.1");
    EXPECT_EQ(planet.PosX, 70);
    EXPECT_EQ(planet.PosYArc, 0);
    for (int n = 2; n <= 10; ++n) {
        EXPECT_EQ(app.system.Orbit(n).Type, TypeNothing) << n;
        EXPECT_EQ(app.system.Orbit(n).PosX, 999) << n;
    }
    EXPECT_EQ(app.system.Orbit(10).AU.Format(), "76.9");
}

TEST(OrbitPass, OnlyForSystemTypeOne)
{
    AppState app;
    app.system = YellowStar();
    app.system.SystemType = 2;
    const StarSystem before = app.system;
    auto scripted = std::make_unique<ScriptedRandom>();
    ScriptedRandom& random = *scripted;
    app.random = std::move(scripted);
    app.CurrentFileName = "/x.KVN";
    GenerateOrbitsOnly(app);
    EXPECT_EQ(app.system, before);
    EXPECT_EQ(random.Log(), "");
    EXPECT_EQ(app.CurrentFileName, "");
}

} // namespace
} // namespace kelvane
