#include <gtest/gtest.h>

#include <string>

#include "core/model/Codes.h"
#include "core/model/OrbitRecord.h"

namespace kelvane {
namespace {

TEST(StarNames, WhiteDependsOnTheClassAndUnknownCodesAreEmpty)
{
    EXPECT_EQ(StarTypeName(StarWhite, ClassWhiteDwarf), "White Dwarf (D)");
    EXPECT_EQ(StarTypeName(StarWhite, ClassMainSequence), "White (A)");
    EXPECT_EQ(StarTypeName(StarBlueWhite, ClassWhiteDwarf), "Blue-White (B)");
    EXPECT_EQ(StarTypeName(0, ClassMainSequence), "");
    EXPECT_EQ(StarClassName(20), "");
    EXPECT_EQ(StarClassName(ClassSubgiant), "Subgiant (IV)");
    EXPECT_EQ(StarTypeName(StarYellowWhite, 80), "Yellow-White (F)");
}

TEST(OrbitTypes, PlanetsAreEverythingButNothingAndBelts)
{
    EXPECT_FALSE(IsPlanetType(TypeNothing));
    EXPECT_FALSE(IsPlanetType(TypeAsteroids));
    EXPECT_TRUE(IsPlanetType(TypeEnvHostile));
    EXPECT_TRUE(IsPlanetType(12345)); // a hand-edited value still counts as a planet
    EXPECT_FALSE(IsEnvironment(12345));
    EXPECT_EQ(EnvironmentName(TypeEnvGood), "Good");
    EXPECT_EQ(EnvironmentName(TypeAsteroids), "");
}

TEST(ElementText, EveryAssignmentPadsOrCutsToTwentySix)
{
    OrbitRecord orbit;
    EXPECT_EQ(orbit.Elements.View(), std::string(26, ' '));
    EXPECT_TRUE(orbit.Elements.IsEmpty());
    orbit.Elements = "AB";
    EXPECT_EQ(orbit.Elements.View(), "AB" + std::string(24, ' '));
    EXPECT_FALSE(orbit.Elements.IsEmpty());
    orbit.Elements = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234";
    EXPECT_EQ(orbit.Elements.View(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    orbit.Elements = std::string("A\0C", 3);
    EXPECT_EQ(orbit.Elements.At(2), '\0');
    EXPECT_EQ(orbit.Elements.View().size(), 26u);
}

} // namespace
} // namespace kelvane
