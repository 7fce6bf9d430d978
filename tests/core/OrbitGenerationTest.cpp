#include <gtest/gtest.h>

#include <string>
#include <tuple>

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

StarSystem Star(std::int16_t starClass, std::int32_t type)
{
    StarSystem s;
    s.StarClass = starClass;
    s.StarType = type;
    ComputeZones(s, BiozoneWidth::Normal);
    return s;
}

// A yellow main-sequence star: zone 0.8 to 1.2 AU, inner limit 0.
const StarSystem Yellow = Star(ClassMainSequence, StarYellow);

// The first draw, then enough draws for any planet or belt that follows.
ScriptedRandom Then(float first, float rest = 0.0f)
{
    ScriptedRandom random{first};
    random.Push(40, rest);
    return random;
}

std::string Contents(std::int32_t type)
{
    return type == TypeNothing ? "nothing" : type == TypeAsteroids ? "asteroids" : "planet";
}

std::int32_t Environment(const StarSystem& s, const char* d, float u,
                         LifeSupportLevel lifeSupport = LifeSupportLevel::Average)
{
    ScriptedRandom random = Then(u);
    std::int32_t type = 0;
    std::int16_t radius = 0, moons = 0;
    ElementText elements;
    MakePlanet(s, random, lifeSupport, 3, AU(d), type, radius, moons, elements);
    return type;
}

TEST(ComputeOrbitDistances, DoublingSeriesFromBaseAndStep)
{
    const struct {
        int baseRoll, stepRoll;
        const char* d2;
        const char* d10;
    } cases[] = {{1, 1, "0.4", "76.9"}, {1, 2, "0.45", "89.7"}, {5, 3, "0.9", "102.9"}};
    for (const auto& c : cases) {
        ScriptedRandom random{ForRoll(c.baseRoll, 5), ForRoll(c.stepRoll, 3)};
        const auto d = ComputeOrbitDistances(Yellow, random);
        EXPECT_EQ(random.Log(), "RDD");
        EXPECT_EQ(d[1].Format(), c.d2);
        EXPECT_EQ(d[9].Format(), c.d10);
        for (std::size_t n = 2; n < 10; ++n)
            EXPECT_EQ(d[n] - d[0], (d[1] - d[0]) * (1LL << (n - 1))) << n;
    }
    // A red subdwarf steps by 0.2 AU without a step roll.
    ScriptedRandom random{ForRoll(1, 5)};
    const auto d = ComputeOrbitDistances(Star(ClassSubdwarf, StarRed), random);
    EXPECT_EQ(random.Log(), "RD");
    EXPECT_EQ(d[3].Format(), "0.9");
    EXPECT_EQ(d[9].Format(), "51.3");
}

TEST(RollOrbitContents, BandsByZone)
{
    const auto at = [](const char* d) {
        return [d](float u) {
            ScriptedRandom random = Then(u);
            return Contents(RollOrbitContents(Yellow, random, LifeSupportLevel::Average, 3, AU(d)).Type);
        };
    };
    for (const char* inZone : {"0.8", "1.2"}) // both edges belong to the zone
        ExpectBands<std::string>(20, {{15, "planet"}, {19, "nothing"}, {20, "asteroids"}}, at(inZone));
    ExpectBands<std::string>(20, {{10, "planet"}, {19, "nothing"}, {20, "asteroids"}}, at("0.7999"));
    ExpectBands<std::string>(20, {{10, "planet"}, {18, "nothing"}, {20, "asteroids"}}, at("1.2001"));

    // Below the inner limit: nothing, without a roll; at the limit a roll.
    StarSystem s = Yellow;
    s.InnerLimit = AU("0.5");
    ScriptedRandom below;
    EXPECT_EQ(RollOrbitContents(s, below, LifeSupportLevel::Average, 1, AU("0.4999")).Type, TypeNothing);
    EXPECT_EQ(below.Log(), "R");
    ScriptedRandom atLimit = Then(0.0f);
    EXPECT_NE(RollOrbitContents(s, atLimit, LifeSupportLevel::Average, 1, AU("0.5")).Type, TypeNothing);

    // A belt: elements, no radius or moons.
    ScriptedRandom belt = Then(Before(1.0f), 0.0f);
    const RolledOrbit rolled = RollOrbitContents(Yellow, belt, LifeSupportLevel::Average, 4, AU("5"));
    EXPECT_EQ(rolled.Type, TypeAsteroids);
    EXPECT_EQ(rolled.Radius + rolled.Moons, 0);
    EXPECT_EQ(rolled.Elements.View(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TEST(RollOrbitContents, WhiteDwarfRule)
{
    const StarSystem s = Star(ClassWhiteDwarf, StarWhite);
    const float planet = ForRoll(1, 20), hostile = ForRoll(12, 20), belt = ForRoll(20, 20);
    // Inside 1 AU nothing survives, but the rolled body stays in the record.
    ScriptedRandom close = Then(planet, 0.5f);
    const RolledOrbit burnt = RollOrbitContents(s, close, LifeSupportLevel::Average, 2, AU("0.9999"));
    EXPECT_EQ(burnt.Type, TypeNothing);
    EXPECT_GE(burnt.Radius, 5);
    EXPECT_EQ(burnt.Elements.At(1), 'A');

    const struct {
        float contents;
        const char* d;
        std::int32_t type;
    } cases[] = {{belt, "0.5", TypeNothing},
                 {planet, "1", TypeEnvNone},
                 {planet, "39.9999", TypeEnvNone},
                 {belt, "1", TypeAsteroids},
                 {planet, "40", TypeEnvHostile}};
    for (const auto& c : cases) {
        ScriptedRandom random = Then(c.contents, hostile);
        EXPECT_EQ(RollOrbitContents(s, random, LifeSupportLevel::Average, 5, AU(c.d)).Type, c.type) << c.d;
    }
}

TEST(MakePlanet, EnvironmentOutsideTheZone)
{
    ExpectBands<std::int32_t>(20, {{8, TypeEnvNone}, {17, TypeEnvHostile}, {20, TypeEnvPoor}},
                              [](float u) { return Environment(Yellow, "0.5", u); });
    ExpectBands<std::int32_t>(20, {{10, TypeEnvNone}, {19, TypeEnvHostile}, {20, TypeEnvPoor}},
                              [](float u) { return Environment(Yellow, "2", u); });
    // Below the inner limit: None without a roll (radius, moons, 26 elements).
    StarSystem s = Yellow;
    s.InnerLimit = AU("1");
    ScriptedRandom random = Then(0.0f);
    std::int32_t type = TypeEnvGood;
    std::int16_t radius = 0, moons = 0;
    ElementText elements;
    MakePlanet(s, random, LifeSupportLevel::Average, 1, AU("0.5"), type, radius, moons, elements);
    EXPECT_EQ(type, TypeEnvNone);
    EXPECT_EQ(random.Remaining(), 41u - 28u);
}

TEST(MakePlanet, HabitableThresholdsForEachLifeSupportOption)
{
    const struct {
        LifeSupportLevel option;
        int t[5];
    } rows[] = {
        {LifeSupportLevel::Poor, {10, 20, 24, 26, 28}}, {LifeSupportLevel::Average, {5, 10, 15, 20, 25}},
        {LifeSupportLevel::Good, {3, 6, 11, 18, 25}},   {LifeSupportLevel::Excellent, {2, 4, 10, 15, 20}},
        {LifeSupportLevel{0}, {2, 4, 10, 15, 20}},      {LifeSupportLevel{9}, {2, 4, 10, 15, 20}}};
    for (const auto& row : rows) {
        EXPECT_EQ(Environment(Yellow, "1", 0.0f, row.option), TypeEnvNone);
        for (int k = 0; k < 5; ++k) {
            // r = 30u + 1, not rounded: the threshold belongs to the lower band.
            const float above = FirstDrawWhere([&](float u) { return 30.0 * u + 1.0 > row.t[k]; });
            EXPECT_EQ(Environment(Yellow, "1", Before(above), row.option), EnvironmentCodes[k])
                << int(row.option);
            EXPECT_EQ(Environment(Yellow, "1", above, row.option), EnvironmentCodes[k + 1])
                << int(row.option);
        }
    }
}

TEST(MakePlanet, RadiusAndMoonsRanges)
{
    for (int n : {1, 10}) {
        for (const auto& [u, radius, moons] :
             {std::tuple<float, int, int>{0.0f, 5, 0}, {Before(1.0f), n + 8, n + 3}}) {
            ScriptedRandom random{ForRoll(1, 20), u, Before(1.0f)};
            random.Push(26, 0.0f);
            std::int32_t type = 0;
            std::int16_t r = 0, m = 0;
            ElementText elements;
            MakePlanet(Yellow, random, LifeSupportLevel::Average, n, AU("0.5"), type, r, m, elements);
            EXPECT_EQ(r, radius) << n;
            EXPECT_EQ(m, moons) << n; // at most radius - 5
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

TEST(ComputeOrbitPositions, WorkedExamplesAndAreas)
{
    const auto at = [](int n, double theta) {
        ScriptedRandom random{static_cast<float>((theta + 180.0) / 361.0)};
        const OrbitPositions p = ComputeOrbitPositions(n, random);
        return std::tuple{p.X, p.Y, p.XArc, p.YArc};
    };
    // Orbit 10 at 170 degrees: the arc angle halves 170, 85, 42.5, 21.25.
    EXPECT_EQ(at(10, 170), std::tuple(-468, 82, 443, 172));
    EXPECT_EQ(at(10, -170), std::tuple(-468, -82, 443, -172));
    EXPECT_EQ(at(1, -60), std::tuple(35, -61, 35, -61)); // within its limit of 75
    EXPECT_EQ(at(5, 0), std::tuple(250, 0, 250, 0));

    for (int n = 1; n <= 10; ++n) {
        for (int k = 0; k <= 1000; ++k) {
            ScriptedRandom random{k == 1000 ? Before(1.0f) : static_cast<float>(k / 1000.0)};
            const OrbitPositions p = ComputeOrbitPositions(n, random);
            ASSERT_TRUE(std::abs(p.YArc) <= 250 && p.XArc > 0 && std::abs(p.X) <= 500 && std::abs(p.Y) <= 500)
                << n << " " << k;
        }
    }
}

TEST(OrbitPass, PlanetsGetPositionsOthersKeepOldOnes)
{
    StarSystem system = Yellow;
    system.SystemType = 1;
    system.SystemName = "Kept";
    for (OrbitRecord& orbit : system.Orbits)
        orbit.PosX = 999;
    ScriptedRandom random;
    // Base 0.1, step 0.3. Orbit 1: a Hostile planet in the inner zone,
    // radius 5, no moons, only "A", at 0 degrees. Orbits 2 to 10: nothing.
    random.Push({ForRoll(1, 5), ForRoll(1, 3), ForRoll(1, 20), ForRoll(9, 20), 0.0f, 0.0f});
    random.Push(26, Before(1.0f)).Push(static_cast<float>(180.0 / 361.0)).Push(9, ForRoll(15, 20));

    GenerateOrbitsOnly(system, random, LifeSupportLevel::Average);
    EXPECT_EQ(random.Remaining(), 0u);
    EXPECT_EQ(system.SystemName, "Kept");
    const OrbitRecord& planet = system.Orbit(1);
    EXPECT_EQ(std::tuple(planet.Type, planet.Radius, planet.PosX, planet.PosYArc),
              std::tuple(std::int32_t{TypeEnvHostile}, std::int16_t{5}, std::int16_t{70}, std::int16_t{0}));
    EXPECT_EQ(planet.Elements.View(), "A" + std::string(25, ' '));
    for (int n = 2; n <= 10; ++n)
        EXPECT_EQ(std::tuple(system.Orbit(n).Type, system.Orbit(n).PosX), std::tuple(0, 999)) << n;
    EXPECT_EQ(system.Orbit(10).AU.Format(), "76.9");

    // Another system type keeps every orbit and draws nothing.
    system.SystemType = 2;
    const StarSystem before = system;
    const std::string log = random.Log();
    GenerateOrbitsOnly(system, random, LifeSupportLevel::Average);
    EXPECT_EQ(system, before);
    EXPECT_EQ(random.Log(), log);
}

} // namespace
} // namespace kelvane
