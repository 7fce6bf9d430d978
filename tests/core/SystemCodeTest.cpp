#include <gtest/gtest.h>

#include <memory>

#include "ScriptedRandom.h"
#include "core/AppState.h"
#include "core/model/Codes.h"
#include "core/model/SystemCode.h"
#include "core/model/modGenerate.h"

namespace kelvane {
namespace {

// What a fresh run would hold for a system: the position fields of orbits
// without a planet are those of the start, 0.
StarSystem AsFreshRunMakesIt(StarSystem system)
{
    for (OrbitRecord& orbit : system.Orbits)
        if (!IsPlanetType(orbit.Type))
            orbit.PosX = orbit.PosY = orbit.PosXArc = orbit.PosYArc = 0;
    return system;
}

std::optional<SystemCode> ThroughText(const SystemCode& code)
{
    std::string error;
    auto decoded = DecodeSystemCode(EncodeSystemCode(code), &error);
    EXPECT_TRUE(decoded) << EncodeSystemCode(code) << ": " << error;
    return decoded;
}

TEST(SystemCode, BatchCodesMakeEverySystemOfASeededRunAgain)
{
    for (const std::uint64_t seed :
         {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{42}, UINT64_MAX, std::uint64_t{0x5DEECE66Du}}) {
        for (std::int16_t ls = 1; ls <= 4; ++ls) {
            for (std::int16_t bz = 1; bz <= 3; ++bz) {
                const auto lifeSupport = static_cast<LifeSupportLevel>(ls);
                const auto biozone = static_cast<BiozoneWidth>(bz);
                StarSystem run;
                RandomSource random = RandomSource::Deterministic(seed);
                for (std::uint64_t index = 1; index <= 6; ++index) {
                    GenerateSystem(run, random, {lifeSupport, biozone});
                    const auto code = ThroughText(BatchSystemCode(seed, index, lifeSupport, biozone));
                    ASSERT_TRUE(code);
                    // Every field, the carried-over positions included.
                    ASSERT_EQ(RegenerateSystem(*code), run)
                        << seed << " " << index << " " << static_cast<int>(lifeSupport) << " "
                        << static_cast<int>(biozone);
                }
            }
        }
    }
    // Small seeds give short codes.
    EXPECT_EQ(EncodeSystemCode(BatchSystemCode(7, 3, LifeSupportLevel::Average, BiozoneWidth::Normal)).size(),
              9u);
}

TEST(SystemCode, TheProgramsSystemsComeBackFromTheirCodes)
{
    // The program's own source on the real clock, New and New Orbits Only in
    // turn, with options that a hand-edited settings file may hold too.
    StarSystem system;
    RandomSource source = RandomSource::FromEntropy();
    const std::int16_t lifeSupports[] = {1, 2, 3, 4, 9, -1};
    const std::int16_t biozones[] = {1, 2, 3, 0, 7};
    int coded = 0;
    for (int round = 0; round < 3000; ++round) {
        const GenerationOptions options{static_cast<LifeSupportLevel>(lifeSupports[round % 6]),
                                        static_cast<BiozoneWidth>(biozones[round % 5])};
        const auto code = round % 3 == 2 ? GenerateOrbitsOnlyWithCode(system, source, options)
                                         : GenerateSystemWithCode(system, source, options);
        ASSERT_TRUE(code) << round;
        const auto decoded = ThroughText(*code);
        ASSERT_TRUE(decoded);
        ASSERT_EQ(*decoded, *code);
        StarSystem expected = AsFreshRunMakesIt(system);
        expected.SystemName = "Unnamed System";
        ASSERT_EQ(RegenerateSystem(*decoded), expected) << round << " " << EncodeSystemCode(*code);
        ++coded;
    }
    EXPECT_EQ(coded, 3000);
}

TEST(SystemCode, SystemsThatNoCodeCanMakeHaveNone)
{
    // A loaded star that the table does not give, or zones changed by hand.
    StarSystem system;
    RandomSource source = RandomSource::FromEntropy();
    GenerateSystem(system, source, {});
    system.StarType = 12345;
    EXPECT_FALSE(GenerateOrbitsOnlyWithCode(system, source, {}));
    GenerateSystem(system, source, {});
    system.BiozoneMax += Distance::FromUnits(1);
    EXPECT_FALSE(GenerateOrbitsOnlyWithCode(system, source, {}));
    // A system type other than 1 gets no new orbits, and so no code.
    GenerateSystem(system, source, {});
    system.SystemType = 2;
    EXPECT_FALSE(GenerateOrbitsOnlyWithCode(system, source, {}));
}

TEST(SystemCode, MistypedCodesAreRefused)
{
    StarSystem system;
    RandomSource source = RandomSource::FromEntropy();
    std::vector<std::string> codes = {
        EncodeSystemCode(
            BatchSystemCode(UINT64_MAX, 1048576, LifeSupportLevel::Excellent, BiozoneWidth::Triple)),
        EncodeSystemCode(BatchSystemCode(3, 1, LifeSupportLevel::Poor, BiozoneWidth::Normal)),
        EncodeSystemCode(*GenerateSystemWithCode(system, source, {}))};
    const std::string alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    for (const std::string& code : codes) {
        ASSERT_TRUE(DecodeSystemCode(code)) << code;
        // Typed by hand: small letters, I, L and O for 1, 1 and 0, no dashes.
        std::string relaxed;
        for (const char c : code)
            if (c != '-')
                relaxed += c == '1' ? 'l' : c == '0' ? 'O' : static_cast<char>(std::tolower(c));
        EXPECT_EQ(DecodeSystemCode(relaxed), DecodeSystemCode(code)) << relaxed;

        for (std::size_t i = 0; i < code.size(); ++i) {
            if (code[i] == '-')
                continue;
            for (const char other : alphabet) {
                if (other == code[i])
                    continue;
                std::string wrong = code;
                wrong[i] = other;
                ASSERT_FALSE(DecodeSystemCode(wrong)) << code << " -> " << wrong;
            }
            std::string cut = code;
            cut.erase(i, 1);
            EXPECT_FALSE(DecodeSystemCode(cut)) << cut;
            if (i + 1 < code.size() && code[i + 1] != '-' && code[i] != code[i + 1]) {
                std::string swapped = code;
                std::swap(swapped[i], swapped[i + 1]);
                EXPECT_FALSE(DecodeSystemCode(swapped)) << swapped;
            }
        }
        EXPECT_FALSE(DecodeSystemCode(code + "0"));
        EXPECT_FALSE(DecodeSystemCode(code + "!"));
    }
    std::string error;
    // The last character carries only some of the bits: any other value there
    // is a mistake too, and said as one.
    const std::string last = codes[1];
    std::string lastWrong = last;
    lastWrong.back() = last.back() == 'Z' ? 'Y' : 'Z';
    EXPECT_FALSE(DecodeSystemCode(lastWrong, &error));
    EXPECT_EQ(error, "its check does not match; a character is wrong or missing");
    for (const char* text : {"", "-", "U", "00", "ZZZZ-ZZZZ", "é"}) {
        EXPECT_FALSE(DecodeSystemCode(text, &error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
    // Batch numbers beyond the largest are refused rather than run for hours.
    SystemCode far =
        BatchSystemCode(1, SystemCode::MaxBatchIndex + 1, LifeSupportLevel::Average, BiozoneWidth::Normal);
    EXPECT_FALSE(DecodeSystemCode(EncodeSystemCode(far), &error));
    EXPECT_EQ(error, "its system number is out of range");
}

} // namespace
} // namespace kelvane
