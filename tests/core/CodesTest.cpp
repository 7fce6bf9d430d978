#include <gtest/gtest.h>

#include <string>

#include "core/model/OrbitRecord.h"

namespace kelvane {
namespace {

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
