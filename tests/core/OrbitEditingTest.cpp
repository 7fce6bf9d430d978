#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "ScriptedRandom.h"
#include "core/model/Codes.h"
#include "core/model/OrbitEditing.h"
#include "core/model/modGenerate.h"

namespace kelvane {
namespace {

using test::Before;
using test::ForRoll;
using test::ScriptedRandom;

// A yellow main-sequence star whose orbit 4 is empty, 5 a Hostile planet
// and 6 an asteroid belt.
StarSystem Sample()
{
    StarSystem s;
    s.StarClass = ClassMainSequence;
    s.StarType = StarYellow;
    ComputeZones(s, BiozoneWidth::Normal);
    for (int n = 1; n <= 10; ++n)
        s.Orbit(n).AU = Distance::FromTenths(n * 3);
    s.Orbit(5) = {TypeEnvHostile, 9, 3, ElementText("AB  E"), s.Orbit(5).AU, 11, 12, 13, 14};
    // Radius and moons left over from an earlier planet.
    s.Orbit(6) = {TypeAsteroids, 7, 2, ElementText("A C"), s.Orbit(6).AU, 0, 0, 0, 0};
    return s;
}

TEST(ApplyForceOrbit, PlanetOntoAnEmptyOrbitIsMadeAfresh)
{
    StarSystem s = Sample();
    ScriptedRandom random{Before(1.0f), 0.0f};                     // moons 5, radius 5
    random.Push(26, 0.0f).Push(static_cast<float>(180.0 / 361.0)); // 0 degrees
    ApplyForceOrbit(s, random, 4, {ContentsPlanet, TypeEnvGood});

    EXPECT_EQ(random.Log(), "R" + std::string(29, 'D'));
    // Moons up to 5 whatever the radius.
    EXPECT_EQ(
        std::tie(s.Orbit(4).Type, s.Orbit(4).Moons, s.Orbit(4).Radius, s.Orbit(4).PosX, s.Orbit(4).PosYArc),
        std::tuple(TypeEnvGood, 5, 5, 205, 0));
    EXPECT_EQ(s.Orbit(4).Elements.View(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

// A planet from a belt keeps its elements; onto a planet, only the
// environment changes, with no zone rule: None stands even inside the zone,
// and anything that is not one of the five better environments means None.
// Asteroids and Nothing keep the body in the record, as the contents popup
// does, without a reseed.
TEST(ApplyForceOrbit, ABeltOrAPlanetKeepsWhatItCan)
{
    StarSystem s = Sample();
    ScriptedRandom random{0.0f, Before(1.0f), 0.0f};
    ApplyForceOrbit(s, random, 6, {ContentsPlanet, TypeEnvExcellent});
    EXPECT_EQ(std::tuple(s.Orbit(6).Type, s.Orbit(6).Moons, s.Orbit(6).Radius),
              std::tuple(std::int32_t{TypeEnvExcellent}, std::int16_t{0}, std::int16_t{6 + 8})); // 10u + 5
    EXPECT_EQ(s.Orbit(6).Elements.View(), "A C" + std::string(23, ' '));
    EXPECT_EQ(random.Remaining(), 0u);

    const OrbitRecord planet = s.Orbit(5);
    OrbitRecord expected = planet;
    for (const std::int32_t chosen : {std::int32_t{TypeEnvExcellent}, std::int32_t{TypeEnvNone},
                                      std::int32_t{TypeAsteroids}, std::int32_t{12345}}) {
        ApplyForceOrbit(s, random, 5, {ContentsPlanet, chosen});
        expected.Type = chosen == TypeEnvExcellent ? TypeEnvExcellent : TypeEnvNone;
        EXPECT_EQ(s.Orbit(5), expected) << chosen;
    }
    ApplyForceOrbit(s, random, 5, {ContentsAsteroids, TypeEnvGood});
    expected.Type = TypeAsteroids;
    EXPECT_EQ(s.Orbit(5), expected);
    ApplyForceOrbit(s, random, 5, {ContentsNothing, TypeEnvGood});
    expected.Type = TypeNothing;
    expected.Elements = "";
    EXPECT_EQ(s.Orbit(5), expected);
    EXPECT_EQ(random.Log(), "RDDD"
                            "RRRR"
                            "RR");

    // A belt on an orbit without elements rolls them.
    random.Push(26, 0.0f);
    ApplyForceOrbit(s, random, 5, {ContentsAsteroids, TypeEnvGood});
    EXPECT_EQ(s.Orbit(5).Elements.View(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");

    StarSystem p = Sample();
    ScriptedRandom none;
    SetOrbitContents(p, none, LifeSupportLevel::Average, 5, ContentsAsteroids);
    EXPECT_EQ(std::tuple(p.Orbit(5).Type, p.Orbit(5).Radius),
              std::tuple(std::int32_t{TypeAsteroids}, planet.Radius));
    EXPECT_EQ(p.Orbit(5).Elements, planet.Elements);
    SetOrbitContents(p, none, LifeSupportLevel::Average, 5, ContentsNothing);
    EXPECT_TRUE(p.Orbit(5).Elements.IsEmpty());
    EXPECT_EQ(none.Log(), "");
}

TEST(SetOrbitContents, PlanetIsMadeAsGenerationMakesItWithoutReseed)
{
    StarSystem s = Sample();
    s.StarClass = ClassWhiteDwarf; // the white-dwarf rule does not apply here
    s.StarType = StarWhite;
    ComputeZones(s, BiozoneWidth::Normal);
    // Orbit 4 at 1.2 AU lies beyond the dwarf's zone: 12 is Hostile there.
    ScriptedRandom random{ForRoll(12, 20), 0.0f, 0.0f};
    random.Push(26, Before(1.0f)).Push(static_cast<float>(180.0 / 361.0));
    SetOrbitContents(s, random, LifeSupportLevel::Average, 4, ContentsPlanet);
    EXPECT_EQ(random.Log(), std::string(30, 'D'));
    EXPECT_EQ(std::tie(s.Orbit(4).Type, s.Orbit(4).Radius, s.Orbit(4).PosX),
              std::tuple(TypeEnvHostile, 5, 205));
    EXPECT_EQ(s.Orbit(4).Elements.View(), "A" + std::string(25, ' '));
}

} // namespace
} // namespace kelvane
