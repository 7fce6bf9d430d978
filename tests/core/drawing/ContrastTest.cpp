#include <gtest/gtest.h>

#include "core/drawing/Contrast.h"

namespace kelvane {
namespace {

constexpr Colour Black = 0x000000;
constexpr Colour White = 0xFFFFFF;
constexpr Colour DarkText = 0xDDDDDD; // a dark theme's light grey text
constexpr Colour DarkBase = 0x2A2A2A;

TEST(Contrast, RatiosFollowRelativeLuminance)
{
    EXPECT_DOUBLE_EQ(ContrastRatio(Black, White), 21);
    EXPECT_DOUBLE_EQ(ContrastRatio(White, Black), 21);
    EXPECT_DOUBLE_EQ(ContrastRatio(TypeEnvPoor, TypeEnvPoor), 1);
    // Green weighs most and blue least: pure blue is dark, pure green light.
    EXPECT_NEAR(ContrastRatio(Black, ColourBlue), 2.44, 0.01);
    EXPECT_NEAR(ContrastRatio(Black, TypeEnvAverage), 15.3, 0.05);
    EXPECT_NEAR(ContrastRatio(White, TypeEnvHostile), 4.0, 0.01);
    // The linear part of the curve, for channels near black.
    EXPECT_NEAR(ContrastRatio(Black, 0x0A0A0A), 1.06, 0.005);
}

TEST(Contrast, LightPalettesKeepTheirTextAndDarkOnesReadOnEveryCellColour)
{
    // The designed look: black text on every cell, blue ones too.
    for (const Colour back : {White, ColourBlue, Colour{TypeEnvPoor}, Colour{TypeEnvHostile}})
        EXPECT_EQ(ReadableText(back, Black, White), Black);
    // A dark palette keeps its text where it reads, and otherwise takes the
    // better of black and white.
    EXPECT_EQ(ReadableText(DarkBase, DarkText, DarkBase), DarkText);
    EXPECT_EQ(ReadableText(ColourBlue, DarkText, DarkBase), DarkText);
    EXPECT_EQ(ReadableText(White, DarkText, DarkBase), Black);
    EXPECT_EQ(ReadableText(TypeEnvPoor, DarkText, DarkBase), Black);
    EXPECT_EQ(ReadableText(0x800000, 0x808080, DarkBase), White); // navy under a grey text
    for (const Colour back : EnvironmentCodes)
        EXPECT_GE(ContrastRatio(ReadableText(back, DarkText, DarkBase), back), 4.5) << back;
}

} // namespace
} // namespace kelvane
