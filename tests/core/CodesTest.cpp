#include <gtest/gtest.h>

#include <string>

#include "core/model/Codes.h"
#include "core/model/OrbitRecord.h"

namespace kelvane {
namespace {

TEST(Codes, NamesAndPlanetTypes)
{
    EXPECT_EQ(StarTypeName(StarWhite, ClassWhiteDwarf), "White Dwarf (D)");
    EXPECT_EQ(StarTypeName(StarWhite, ClassMainSequence), "White (A)");
    EXPECT_EQ(StarTypeName(StarBlueWhite, ClassWhiteDwarf), "Blue-White (B)");
    EXPECT_EQ(StarTypeName(0, ClassMainSequence), "");
    EXPECT_EQ(StarClassName(20), "");
    EXPECT_EQ(StarClassName(ClassSubgiant), "Subgiant (IV)");
    // Every Type but nothing and belts counts as a planet for generation;
    // only the six codes have an environment.
    EXPECT_TRUE(IsPlanetType(12345));
    EXPECT_FALSE(IsPlanetType(TypeAsteroids));
    EXPECT_FALSE(IsEnvironment(12345));
    EXPECT_EQ(EnvironmentName(TypeEnvGood), "Good");
    EXPECT_EQ(EnvironmentName(TypeAsteroids), "");
}

TEST(ElementText, EveryAssignmentPadsOrCutsToTwentySix)
{
    OrbitRecord orbit;
    EXPECT_TRUE(orbit.Elements.IsEmpty());
    orbit.Elements = "AB";
    EXPECT_EQ(orbit.Elements.View(), "AB" + std::string(24, ' '));
    EXPECT_FALSE(orbit.Elements.IsEmpty());
    orbit.Elements = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234";
    EXPECT_EQ(orbit.Elements.View(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

} // namespace
} // namespace kelvane
