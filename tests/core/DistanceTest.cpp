#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "core/model/Distance.h"
#include "core/model/NumberText.h"

namespace kelvane {
namespace {

TEST(Distance, FormatsInShortestExactForm)
{
    EXPECT_EQ(Distance::FromUnits(7500).Format(), "0.75");
    EXPECT_EQ(Distance::FromUnits(20000).Format(), "2");
    EXPECT_EQ(Distance::FromUnits(125).Format(), "0.0125");
    EXPECT_EQ(Distance::FromUnits(-15000).Format(), "-1.5");
    EXPECT_EQ(Distance::FromUnits(0).Format(), "0");
    EXPECT_EQ(Distance::FromUnits(1029000).Format(','), "102,9");
    EXPECT_EQ(Distance::FromUnits(INT64_MIN).Format(), "-922337203685477.5808");
    EXPECT_EQ(Distance::FromUnits(INT64_MAX).Format(), "922337203685477.5807");
}

TEST(Distance, ParsesWhatItFormatsAndRejectsTheRest)
{
    for (std::int64_t units :
         std::initializer_list<std::int64_t>{0, 1, -1, 7500, 125, 1029000, -15000, INT64_MAX, INT64_MIN}) {
        const Distance d = Distance::FromUnits(units);
        EXPECT_EQ(Distance::Parse(d.Format()), d) << units;
        EXPECT_EQ(Distance::Parse(d.Format(','), ','), d) << units;
    }
    EXPECT_EQ(Distance::Parse(".75"), Distance::FromUnits(7500));
    EXPECT_EQ(Distance::Parse("2."), Distance::FromUnits(20000));
    EXPECT_EQ(Distance::Parse("-0.0001"), Distance::FromUnits(-1));
    for (const char* bad : {"", "-", ".", "1.23456", "1e3", " 1", "1 ", "+1", "1,5", "abc", "1.2.3",
                            "922337203685477.5808", "-922337203685477.5809", "99999999999999999999"})
        EXPECT_FALSE(Distance::Parse(bad).has_value()) << bad;
}

TEST(Distance, FromDoubleRoundsToNearestWithHalvesToEven)
{
    EXPECT_EQ(Distance::FromDouble(0.2).Units(), 2000);
    // Exact halves of a ten-thousandth go to the even neighbour...
    EXPECT_EQ(Distance::FromDouble(0.03125).Units(), 312);
    EXPECT_EQ(Distance::FromDouble(0.09375).Units(), 938);
    EXPECT_EQ(Distance::FromDouble(-0.03125).Units(), -312);
    // ...and anything off the half to its nearest one.
    EXPECT_EQ(Distance::FromDouble(0.031251).Units(), 313);
    EXPECT_EQ(Distance::FromDouble(0.000049).Units(), 0);
    EXPECT_EQ(Distance::FromDouble(1.23456789).Units(), 12346);
    EXPECT_EQ(Distance::FromDouble(std::nan("")).Units(), 0);
    EXPECT_EQ(Distance::FromDouble(1e300).Units(), INT64_MAX);
    EXPECT_EQ(Distance::FromDouble(-1e300).Units(), INT64_MIN);
}

TEST(Distance, ArithmeticIsExact)
{
    const Distance b = Distance::FromTenths(1);
    const Distance s = Distance::FromHundredths(35);
    EXPECT_EQ((b + s * 256).Format(), "89.7");
    EXPECT_EQ((Distance::FromTenths(3) - Distance::FromTenths(1) - Distance::FromTenths(2)).Units(), 0);
}

TEST(NumberText, ShortTextOfTheHabitableZone)
{
    EXPECT_EQ(ShortNumberText(Distance::FromUnits(7500)), " .75");
    EXPECT_EQ(ShortNumberText(Distance::FromUnits(12000)), " 1.2");
    EXPECT_EQ(ShortNumberText(Distance::FromUnits(20000)), " 2");
    EXPECT_EQ(ShortNumberText(Distance::FromUnits(0)), " 0");
    EXPECT_EQ(ShortNumberText(Distance::FromUnits(300)), " .03");
    EXPECT_EQ(ShortNumberText(Distance::FromUnits(-5000)), "-.5");
    EXPECT_EQ(ShortNumberText(Distance::FromUnits(-15000)), "-1.5");
}

TEST(NumberText, OneDecimalRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(OneDecimalText(Distance::FromUnits(3500), '.'), "0.4");
    EXPECT_EQ(OneDecimalText(Distance::FromUnits(3499), '.'), "0.3");
    EXPECT_EQ(OneDecimalText(Distance::FromUnits(120000), '.'), "12.0");
    EXPECT_EQ(OneDecimalText(Distance::FromUnits(12345600), '.'), "1234.6");
    EXPECT_EQ(OneDecimalText(Distance::FromUnits(-3500), ','), "-0,4");
    EXPECT_EQ(OneDecimalText(Distance::FromUnits(250), ','), "0,0");
    EXPECT_EQ(OneDecimalText(Distance::FromUnits(1029000), ','), "102,9");
}

} // namespace
} // namespace kelvane
