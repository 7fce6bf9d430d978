#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <tuple>

#include "core/settings/ProfileFile.h"

namespace kelvane {
namespace {

TEST(ProfileFile, FindsKeysInAnyCaseInTheFirstSectionOfThatName)
{
    const std::string text = "Orphan=1\r\n  [ oPTIONS ]  trailing\r\n; Biozone=4\r\n[Broken\r\n"
                             "\tlifesupport =  3 \t\r\nLifeSupport=9\r\nValue=a=b\r\n[options]\r\nBiozone=1";
    const std::tuple<const char*, const char*, std::optional<std::string>> cases[] = {
        {"Options", "LifeSupport", "3"},
        {"options", "VALUE", "a=b"},
        {"Options", "Biozone", std::nullopt},
        {"Options", "Orphan", std::nullopt},
        {"Broken", "LifeSupport", std::nullopt}};
    for (const auto& [section, key, value] : cases)
        EXPECT_EQ(FindProfileValue(text, section, key), value) << section << " " << key;
}

TEST(ProfileFile, ReplacesAKeyInPlaceAndAddsANewOneAtTheEndOfItsSection)
{
    // The text, the section given, and the text with Biozone=5 written.
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"; mine\r\n[Options]\r\n\r\n  biozone = 2 ; by hand\r\nLifeSupport=1\r\nBiozone=9\r\n# end\r\n",
         "options", "; mine\r\n[Options]\r\n\r\nBiozone=5\r\nLifeSupport=1\r\nBiozone=9\r\n# end\r\n"},
        {"[Options]\nBiozone=1", "Options", "[Options]\nBiozone=5"},
        {"[Options]\nColorText=0\njunk\n\n; next\n[Windows]\nBiozone=2\n", "OPTIONS",
         "[Options]\nColorText=0\nBiozone=5\njunk\n\n; next\n[Windows]\nBiozone=2\n"},
        {"[Options]\r\n\r\n[Windows]\r\n", "Options", "[Options]\r\nBiozone=5\r\n\r\n[Windows]\r\n"},
        {"[Options]\nColorText=0", "Options", "[Options]\nColorText=0\nBiozone=5\n"},
        {"", "Options", "[Options]\r\nBiozone=5\r\n"},
        {"[Windows]\nMainState=0\n", "Options", "[Windows]\nMainState=0\n\n[Options]\nBiozone=5\n"},
        {"[Windows]\r\nMainState=0", "Options", "[Windows]\r\nMainState=0\r\n\r\n[Options]\r\nBiozone=5\r\n"},
        {"; notes\n\n", "Options", "; notes\n\n[Options]\nBiozone=5\n"},
        {"[Options\n", "Options", "[Options\n\n[Options]\nBiozone=5\n"}};
    for (const auto& [text, section, expected] : cases)
        EXPECT_EQ(SetProfileValue(text, section, "Biozone", "5"), expected) << text;
    // A line that would not read back as written is not written.
    EXPECT_EQ(SetProfileValue("[S]\nK=0\n", "S", "K", "1\n[S]\nK=2"), std::nullopt);
}

TEST(ProfileFile, ReadsTheLeadingDecimalIntegerWhenItFitsIn32Bits)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"12abc", 12},      {"-7", -7},          {"abc", 0},        {"", 99},
        {"+5", 0},          {"0x10", 0},         {"-", 0},          {"-2147483648", INT32_MIN},
        {"2147483648", 99}, {"-2147483649", 99}, {"4294967297", 99}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(ProfileIntValue(value, 99), expected) << value;
}

} // namespace
} // namespace kelvane
