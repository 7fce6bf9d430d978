#include <gtest/gtest.h>

#include "core/model/Codes.h"
#include "core/model/SystemDescription.h"
#include "core/sector/HexDescription.h"

namespace kelvane {
namespace {

// What a screen reader says for each part of the system: the words the
// windows show, moons counted in words, the zone said where the window only
// colours it.
TEST(SystemDescription, OrbitsAndStarSayWhatTheWindowsShow)
{
    StarSystem system;
    system.StarType = StarYellow;
    system.StarClass = ClassMainSequence;
    system.BiozoneMin = Distance::FromHundredths(75);
    system.BiozoneMax = Distance::FromTenths(12);
    system.Orbit(1) = {TypeEnvHostile, 5, 2, {}, Distance::FromUnits(3500), 0, 0, 0, 0};
    system.Orbit(2) = {TypeEnvPoor, 5, 1, {}, Distance::FromHundredths(75), 0, 0, 0, 0};
    system.Orbit(3) = {TypeEnvNone, 5, 0, {}, Distance::FromTenths(12), 0, 0, 0, 0};
    system.Orbit(4) = {TypeNothing, 0, 3, {}, Distance::FromTenths(15), 0, 0, 0, 0}; // moons of an old planet
    system.Orbit(5) = {TypeAsteroids, 0, 4, {}, Distance::FromUnits(23500), 0, 0, 0, 0};
    system.Orbit(6) = {12345, 5, 2, {}, Distance::FromTenths(31), 0, 0, 0, 0};

    EXPECT_EQ(StarDescription(system), "Star: Yellow (G), Main Sequence (V), habitable zone .75 to 1.2 AUs");
    EXPECT_EQ(OrbitDescription(system, 1, '.'), "Orbit 1: Planet, Hostile, 2 moons, 0.4 AUs");
    // Both ends of the zone are inside it.
    EXPECT_EQ(OrbitDescription(system, 2, ','), "Orbit 2: Planet, Poor, 1 moon, 0,8 AUs, habitable zone");
    EXPECT_EQ(OrbitDescription(system, 3, '.'), "Orbit 3: Planet, None, no moons, 1.2 AUs, habitable zone");
    EXPECT_EQ(OrbitDescription(system, 4, '.'), "Orbit 4: empty, 1.5 AUs");
    EXPECT_EQ(OrbitDescription(system, 5, '.'), "Orbit 5: Asteroids, 2.4 AUs");
    // A type the tables do not name shows nothing there, and is said as empty.
    EXPECT_EQ(OrbitDescription(system, 6, '.'), "Orbit 6: empty, 3.1 AUs");
}

TEST(SystemDescription, HexesSayTheirSystemOrItsAbsence)
{
    Sector sector;
    sector.systems = {{{3, 4}, "Heltathe", "", {ClassMainSequence, StarYellow, TypeEnvPoor, 2, 0, 1}, {}},
                      {{3, 6}, "Orvane", "", {ClassGiant, StarRed, TypeNothing, 0, 2, 0}, {}},
                      // A planet of a type no table names.
                      {{4, 1}, "Orvane", "", {ClassGiant, StarRed, TypeNothing, 1, 0, 0}, {}}};

    EXPECT_EQ(HexDescription(sector, {4, 1}),
              "0401 Orvane: Red (M), Giant (III), planets of no known environment");
    EXPECT_EQ(HexDescription(sector, {3, 4}),
              "0304 Heltathe: Yellow (G), Main Sequence (V), best world Poor");
    EXPECT_EQ(HexDescription(sector, {3, 6}), "0306 Orvane: Red (M), Giant (III), no planets");
    EXPECT_EQ(HexDescription(sector, {3, 5}), "0305: no system");
    sector.SetNotes({3, 5}, "A nebula.");
    sector.SetNotes({3, 4}, "Pirates.");
    EXPECT_EQ(HexDescription(sector, {3, 5}), "0305: no system, notes");
    EXPECT_EQ(HexDescription(sector, {3, 4}),
              "0304 Heltathe: Yellow (G), Main Sequence (V), best world Poor, notes");
}

} // namespace
} // namespace kelvane
