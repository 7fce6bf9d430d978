#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "ScriptedRandom.h"
#include "core/AppState.h"
#include "core/model/Codes.h"
#include "core/model/modGenerate.h"

namespace kelvane {
namespace {

using test::ExpectBands;
using test::ForRoll;
using test::ScriptedRandom;

StarSystem RollStarWith(std::initializer_list<float> draws, BiozoneWidth biozone = BiozoneWidth::Normal)
{
    ScriptedRandom random(draws);
    StarSystem system;
    RollStar(system, random, biozone);
    return system;
}

std::string Zones(const StarSystem& s)
{
    return s.BiozoneMin.Format() + " / " + s.BiozoneMax.Format() + " / " + s.InnerLimit.Format();
}

// The zones ComputeZones gives a star; a pair the table lacks leaves the old
// values, here 0.0001 / 0.0002 / 0.0003.
std::string ZonesOf(std::int16_t starClass, std::int32_t type, BiozoneWidth width = BiozoneWidth::Normal)
{
    StarSystem s{
        "", 1, starClass, type, Distance::FromUnits(1), Distance::FromUnits(2), Distance::FromUnits(3), {}};
    ComputeZones(s, width);
    return Zones(s);
}

TEST(RollStar, ClassAndGiantRollBands)
{
    // After the class roll: a giant roll of 5 (class 45) and an orange type
    // for giants; a yellow for main sequence, orange for subdwarfs.
    ExpectBands<std::int16_t>(15, {{3, 15}, {4, 10}, {14, 25}, {15, 45}}, [](float u) {
        return RollStarWith({u, ForRoll(5, 15), ForRoll(5, 12)}).StarClass;
    });
    const float giant = test::FirstDrawOfRoll(15, 15);
    ExpectBands<std::int16_t>(15, {{1, 80}, {2, 55}, {10, 45}, {15, 35}}, [&](float u) {
        return RollStarWith({giant, u, ForRoll(6, 12)}).StarClass;
    });
}

TEST(RollStar, TypeRollBandsByClass)
{
    const float subdwarf = ForRoll(4, 15);
    ExpectBands<std::int32_t>(6, {{1, StarYellow}, {2, StarOrange}, {6, StarRed}}, [&](float u) {
        return RollStarWith({subdwarf, u}).StarType;
    });

    const float mainSequence = ForRoll(9, 15);
    const auto mainSequenceType = [&](float u) { return RollStarWith({mainSequence, u}).StarType; };
    ExpectBands<std::int32_t>(15,
                              {{1, StarBlue},
                               {2, StarBlueWhite},
                               {3, StarWhite},
                               {4, StarYellowWhite},
                               {5, StarYellow},
                               {6, StarOrange},
                               {15, StarRed}},
                              mainSequenceType);

    // A super giant keeps its class whatever its type.
    const float giant = ForRoll(15, 15);
    const float superGiant = ForRoll(1, 15);
    const auto superGiantType = [&](float u) { return RollStarWith({giant, superGiant, u}).StarType; };
    ExpectBands<std::int32_t>(
        12, {{1, StarBlue}, {2, StarRed}, {4, StarBlueWhite}, {8, StarOrange}, {12, StarWhite}},
        superGiantType);
}

TEST(RollStar, BlueGiantsBecomeSuperGiantsAndRedSubgiantsBecomeGiants)
{
    const float giant = ForRoll(15, 15);
    const float blue = ForRoll(1, 12);
    const float red = ForRoll(2, 12);
    for (int giantRoll : {1, 2, 5, 12}) {
        const StarSystem s = RollStarWith({giant, ForRoll(giantRoll, 15), blue});
        EXPECT_EQ(s.StarClass, ClassSuperGiant) << giantRoll;
        EXPECT_EQ(Zones(s), "630 / 950 / 13");
    }
    const StarSystem redSubgiant = RollStarWith({giant, ForRoll(12, 15), red});
    EXPECT_EQ(redSubgiant.StarClass, ClassGiant);
    EXPECT_EQ(Zones(redSubgiant), "5 / 7.5 / 0.1");
    // A red large giant is not corrected.
    EXPECT_EQ(RollStarWith({giant, ForRoll(2, 15), red}).StarClass, ClassLargeGiant);
}

TEST(ComputeZones, StarTable)
{
    struct Row {
        std::int32_t type;
        const char* byClass[7]; // classes 10, 15, 25, 35, 45, 55, 80; "" where the table has none
    };
    const Row rows[] = {
        {StarBlue, {"", "", "500 / 750 / 10", "", "", "", "630 / 950 / 13"}},
        {StarBlueWhite,
         {"", "", "30 / 45 / 0.6", "180 / 270 / 3.8", "200 / 300 / 4", "250 / 375 / 5", "320 / 480 / 6.3"}},
        {StarWhite,
         {"", "0.03 / 0.03 / 0", "3.1 / 4.7 / 0", "4 / 6 / 0", "5 / 7.5 / 0", "20 / 30 / 0.4",
          "50 / 75 / 1"}},
        {StarYellowWhite,
         {"", "", "1.6 / 2.4 / 0", "2 / 3 / 0", "2.5 / 3.7 / 0.1", "13 / 19 / 0.3", "50 / 75 / 1"}},
        {StarYellow,
         {"0.5 / 0.8 / 0", "", "0.8 / 1.2 / 0", "1 / 1.5 / 0", "3.1 / 4.7 / 0.1", "13 / 19 / 0.3",
          "50 / 75 / 1"}},
        {StarOrange,
         {"0.2 / 0.3 / 0", "", "0.5 / 0.6 / 0", "1 / 1.5 / 0", "4 / 5.9 / 0.1", "13 / 19 / 0.3",
          "50 / 75 / 1"}},
        {StarRed,
         {"0.1 / 0.1 / 0", "", "0.1 / 0.2 / 0", "", "5 / 7.5 / 0.1", "16 / 24 / 0.3", "50 / 76 / 1"}},
    };
    const std::int16_t classes[7] = {10, 15, 25, 35, 45, 55, 80};
    for (const Row& row : rows)
        for (int c = 0; c < 7; ++c)
            EXPECT_EQ(ZonesOf(classes[c], row.type),
                      *row.byClass[c] ? row.byClass[c] : "0.0001 / 0.0002 / 0.0003")
                << "type " << row.type << " class " << classes[c];
}

TEST(ComputeZones, DoubleAndTripleWidenAroundTheSameCentre)
{
    const std::tuple<std::int16_t, std::int32_t, BiozoneWidth, const char*> cases[] = {
        {ClassMainSequence, StarYellow, BiozoneWidth::Double, "0.6 / 1.4 / 0"},
        {ClassMainSequence, StarYellow, BiozoneWidth::Triple, "0.4 / 1.6 / 0"},
        // Any other option value acts as Double: only 1 stops early.
        {ClassMainSequence, StarYellow, BiozoneWidth{7}, "0.6 / 1.4 / 0"},
        // 0.1 - 0.1 reaches the inner limit exactly; 0.5 / 0.6 widened by 0.05.
        {ClassMainSequence, StarRed, BiozoneWidth::Triple, "0 / 0.3 / 0"},
        {ClassMainSequence, StarOrange, BiozoneWidth::Double, "0.45 / 0.65 / 0"},
        // Neither a white dwarf nor a red subdwarf has a zone to widen.
        {ClassWhiteDwarf, StarWhite, BiozoneWidth::Triple, "0.03 / 0.03 / 0"},
        {ClassSubdwarf, StarRed, BiozoneWidth::Triple, "0.1 / 0.1 / 0"},
        {ClassSuperGiant, StarRed, BiozoneWidth::Triple, "24 / 102 / 1"}, // its outer edge is 76
    };
    for (const auto& [starClass, type, width, zones] : cases)
        EXPECT_EQ(ZonesOf(starClass, type, width), zones) << starClass << " " << type << " " << int(width);
}

TEST(GenerateSystem, ResetsTheSystemAndReseedsWhereItShould)
{
    StarSystem system;
    ScriptedRandom random;
    system.SystemName = "Old";
    system.SystemType = 2;

    // A white dwarf (one draw), base 0.1 and step 0.3, and ten empty orbits
    // (all lie beyond its zone of 0.03 AU, where 11 to 18 is nothing).
    random.Push({0.0f, ForRoll(1, 5), ForRoll(1, 3)});
    random.Push(10, ForRoll(11, 20));
    GenerateSystem(system, random, {});

    EXPECT_EQ(random.Log(), "RD"
                            "RDD"
                            "RDRDRDRDRDRDRDRDRDRD");
    EXPECT_EQ(random.Remaining(), 0u);
    EXPECT_EQ(std::tie(system.SystemName, system.SystemType, system.StarClass),
              std::tuple("Unnamed System", 1, ClassWhiteDwarf));
    EXPECT_EQ(system.Orbit(10).AU.Format(), "76.9");
}

} // namespace
} // namespace kelvane
