#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <utility>

#include "core/model/Distance.h"
#include "core/model/NumberText.h"

namespace kelvane {
namespace {

Distance U(std::int64_t units)
{
    return Distance::FromUnits(units);
}

TEST(Distance, FormatAndParseAreExactAndShortest)
{
    const std::pair<std::int64_t, std::string> cases[] = {{7500, "0.75"},
                                                          {20000, "2"},
                                                          {125, "0.0125"},
                                                          {-15000, "-1.5"},
                                                          {0, "0"},
                                                          {1, "0.0001"},
                                                          {1029000, "102.9"},
                                                          {INT64_MIN, "-922337203685477.5808"},
                                                          {INT64_MAX, "922337203685477.5807"}};
    for (const auto& [units, text] : cases) {
        EXPECT_EQ(U(units).Format(), text);
        EXPECT_EQ(Distance::Parse(text), U(units)) << text;
        std::string comma = text;
        std::replace(comma.begin(), comma.end(), '.', ',');
        EXPECT_EQ(Distance::Parse(comma, ','), U(units)) << comma;
    }
    EXPECT_EQ(Distance::Parse(".75"), U(7500));
    EXPECT_EQ(Distance::Parse("2."), U(20000));
    for (const char* bad : {"", "-", ".", "1.23456", "1e3", " 1", "1 ", "+1", "1,5", "1.2.3",
                            "922337203685477.5808", "-922337203685477.5809", "99999999999999999999"})
        EXPECT_FALSE(Distance::Parse(bad).has_value()) << bad;
    EXPECT_EQ((Distance::FromTenths(1) + Distance::FromHundredths(35) * 256).Format(), "89.7");
}

TEST(Distance, FromDoubleRoundsToNearestWithHalvesToEven)
{
    // Exact halves of a ten-thousandth go to the even neighbour, anything
    // else to the nearest one; NaN is 0 and the range is clamped.
    const std::pair<double, std::int64_t> cases[] = {
        {0.2, 2000},   {0.03125, 312},    {0.09375, 938},     {-0.03125, -312},   {0.031251, 313},
        {0.000049, 0}, {std::nan(""), 0}, {1e300, INT64_MAX}, {-1e300, INT64_MIN}};
    for (const auto& [value, units] : cases)
        EXPECT_EQ(Distance::FromDouble(value).Units(), units) << value;
}

TEST(NumberText, ShortTextAndOneDecimal)
{
    // Over the whole range: the most negative value has no positive counterpart.
    const std::pair<std::int64_t, const char*> shortTexts[] = {
        {7500, " .75"}, {12000, " 1.2"}, {20000, " 2"}, {0, " 0"}, {-5000, "-.5"}, {-15000, "-1.5"}};
    for (const auto& [units, text] : shortTexts)
        EXPECT_EQ(ShortNumberText(U(units)), text) << units;
    EXPECT_EQ(ShortNumberText(U(INT64_MIN)), "-922337203685477.5808");
    EXPECT_EQ(ShortNumberText(U(INT64_MAX)), " 922337203685477.5807");
    EXPECT_EQ(ShortNumberText(U(INT64_MIN + 1)), "-922337203685477.5807");

    // Halves away from zero, at least one digit before the separator.
    const std::tuple<std::int64_t, char, const char*> oneDecimal[] = {
        {3500, '.', "0.4"},        {3499, '.', "0.3"},   {120000, '.', "12.0"},
        {12345600, '.', "1234.6"}, {-3500, ',', "-0,4"}, {250, ',', "0,0"}};
    for (const auto& [units, separator, text] : oneDecimal)
        EXPECT_EQ(OneDecimalText(U(units), separator), text) << units;
    EXPECT_EQ(OneDecimalText(U(INT64_MIN), '.'), "-922337203685477.6");
    EXPECT_EQ(OneDecimalText(U(INT64_MAX), '.'), "922337203685477.6");
}

} // namespace
} // namespace kelvane
