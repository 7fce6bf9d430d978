#include <gtest/gtest.h>

#include <map>

#include "core/AppState.h"
#include "core/model/Codes.h"
#include "core/model/modGenerate.h"

namespace kelvane {
namespace {

// Frequencies over many generated systems against the chances the roll
// tables give. The bounds are several standard deviations wide, and the
// source is seeded, so these cannot flake; a wrong band moves a frequency by
// a whole 1/N and is caught.
constexpr int Systems = 200000;

class GenerationStatistics : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        AppState app;
        app.random = std::make_unique<RandomSource>(RandomSource::Deterministic(20261205));
        for (int i = 0; i < Systems; ++i) {
            GenerateSystem(app);
            const StarSystem& s = app.system;
            ++s_classes[s.StarClass];
            for (const OrbitRecord& orbit : s.Orbits) {
                if (!IsPlanetType(orbit.Type) && orbit.Type != TypeAsteroids)
                    continue;
                ++s_bodies;
                for (int k = 1; k <= 26; ++k)
                    s_letters[k] += orbit.Elements.At(k) != ' ' ? 1 : 0;
                if (ZoneOf(s, orbit.AU) == OrbitZone::Outer && IsPlanetType(orbit.Type) &&
                    s.StarClass != ClassWhiteDwarf) {
                    ++s_outerPlanets;
                    ++s_outerEnvironments[orbit.Type];
                }
            }
        }
    }

    static double Share(const std::map<std::int64_t, int>& counts, std::int64_t key, int total)
    {
        const auto it = counts.find(key);
        return it == counts.end() ? 0.0 : static_cast<double>(it->second) / total;
    }

    static inline std::map<std::int64_t, int> s_classes, s_outerEnvironments;
    static inline int s_letters[27] = {};
    static inline int s_bodies = 0, s_outerPlanets = 0;
};

TEST_F(GenerationStatistics, StarClasses)
{
    const double giants = 1.0 / 15;
    EXPECT_NEAR(Share(s_classes, 15, Systems), 3.0 / 15, 0.005);
    EXPECT_NEAR(Share(s_classes, 10, Systems), 1.0 / 15, 0.005);
    EXPECT_NEAR(Share(s_classes, 25, Systems), 10.0 / 15, 0.005);
    // Giants: 80 from the giant roll (1/15) and from every blue (1/12 of the rest).
    const double blue = 1.0 / 12;
    const double super = 1.0 / 15 + (14.0 / 15) * blue;
    EXPECT_NEAR(Share(s_classes, 80, Systems), giants * super, 0.002);
    EXPECT_NEAR(Share(s_classes, 55, Systems), giants * (1.0 / 15) * (1 - blue), 0.002);
    // Subgiants lose their red ones to the giants.
    EXPECT_NEAR(Share(s_classes, 35, Systems), giants * (5.0 / 15) * (1 - 2 * blue), 0.002);
    EXPECT_NEAR(Share(s_classes, 45, Systems), giants * ((8.0 / 15) * (1 - blue) + (5.0 / 15) * blue), 0.002);
}

TEST_F(GenerationStatistics, ElementLetters)
{
    EXPECT_EQ(s_letters[1], s_bodies); // "A" is always there
    for (int k = 2; k <= 26; ++k)
        EXPECT_NEAR(static_cast<double>(s_letters[k]) / s_bodies, 5.0 / (3 * k), 0.005) << k;
}

TEST_F(GenerationStatistics, OuterZoneEnvironments)
{
    ASSERT_GT(s_outerPlanets, 10000);
    EXPECT_NEAR(Share(s_outerEnvironments, TypeEnvNone, s_outerPlanets), 10.0 / 20, 0.01);
    EXPECT_NEAR(Share(s_outerEnvironments, TypeEnvHostile, s_outerPlanets), 9.0 / 20, 0.01);
    EXPECT_NEAR(Share(s_outerEnvironments, TypeEnvPoor, s_outerPlanets), 1.0 / 20, 0.005);
    EXPECT_EQ(Share(s_outerEnvironments, TypeEnvAverage, s_outerPlanets), 0.0);
}

TEST(HabitableEnvironments, MatchTheLifeSupportBands)
{
    // Average Life Support: None 4/30, then 5/30 each, Excellent 6/30.
    StarSystem s;
    s.StarClass = ClassMainSequence;
    s.StarType = StarYellow;
    ComputeZones(s, BiozoneWidth::Normal);
    RandomSource random = RandomSource::Deterministic(5);
    std::map<std::int32_t, int> counts;
    const int planets = 300000;
    for (int i = 0; i < planets; ++i) {
        std::int32_t type = 0;
        std::int16_t radius = 0, moons = 0;
        ElementText elements;
        MakePlanet(s, random, LifeSupportLevel::Average, 3, Distance::FromTenths(10), type, radius, moons,
                   elements);
        ++counts[type];
        ASSERT_GE(radius, 5);
        ASSERT_LE(radius, 11);
        ASSERT_LE(moons, radius - 5);
    }
    const double expected[6] = {4, 5, 5, 5, 5, 6};
    for (int k = 0; k < 6; ++k)
        EXPECT_NEAR(static_cast<double>(counts[EnvironmentCodes[k]]) / planets, expected[k] / 30, 0.005) << k;
}

} // namespace
} // namespace kelvane
