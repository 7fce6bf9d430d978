#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

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

// The text of a code whose bytes a test chose, the check appended as the
// decoder expects it (CRC-16/CCITT, initial value FFFF, high byte first):
// fields the encoder never writes, spelled so that only they are wrong.
std::string Spelled(std::vector<std::uint8_t> bytes)
{
    std::uint16_t crc = 0xFFFF;
    for (const std::uint8_t byte : bytes) {
        crc ^= static_cast<std::uint16_t>(byte << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<std::uint16_t>(crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    bytes.push_back(static_cast<std::uint8_t>(crc >> 8));
    bytes.push_back(static_cast<std::uint8_t>(crc));
    const std::string alphabet = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    std::string text;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (const std::uint8_t byte : bytes) {
        buffer = buffer << 8 | byte;
        for (bits += 8; bits >= 5; bits -= 5)
            text += alphabet[buffer >> (bits - 5) & 31];
    }
    if (bits > 0)
        text += alphabet[buffer << (5 - bits) & 31];
    return text;
}

// A number as the code writes it: seven bits a byte, low first.
void PutVarint(std::vector<std::uint8_t>& bytes, std::uint64_t value)
{
    for (; value >= 0x80; value >>= 7)
        bytes.push_back(static_cast<std::uint8_t>(value | 0x80));
    bytes.push_back(static_cast<std::uint8_t>(value));
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
    }
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

// The header byte is the version (1) in the top three bits, then the kind
// (1 for Orbits), Life Support - 1 and Bio Zone - 1 in two bits each.
TEST(SystemCode, FieldsOutOfRangeAreRefusedWithTheirReason)
{
    // The helper spells what the encoder spells: version 1, Batch, Average,
    // Normal, seed 7, system 3.
    std::string encoded =
        EncodeSystemCode(BatchSystemCode(7, 3, LifeSupportLevel::Average, BiozoneWidth::Normal));
    std::erase(encoded, '-');
    ASSERT_EQ(Spelled({0x24, 7, 3}), encoded);

    // An Orbits code of star byte star: random state 0, first reading first,
    // then mode and the steps.
    const auto orbits = [](std::uint8_t star, std::uint64_t first, const std::vector<std::uint64_t>& rest) {
        std::vector<std::uint8_t> bytes = {0x34, star, 0, 0, 0, 0, 0, 0, 0, 0};
        PutVarint(bytes, first);
        for (const std::uint64_t value : rest)
            PutVarint(bytes, value);
        return Spelled(bytes);
    };
    const std::uint64_t limit = std::uint64_t{1} << 62;
    const struct {
        std::string code;
        const char* why;
    } refused[] = {
        {Spelled({0x04, 7, 3}), "it was made by another version of Kelvane"},
        {Spelled({0x44, 7, 3}), "it was made by another version of Kelvane"},
        {Spelled({0x27, 7, 3}), "its Bio Zone is out of range"},
        {Spelled({0x24, 7, 0}), "its system number is out of range"},
        {Spelled({0x24, 7, 0x81, 0x80, 0x40}), "its system number is out of range"}, // 2^20 + 1
        {Spelled({0x24, 7, 3, 0}), "it is too short or cut off"},
        {Spelled({0x24, 7}), "it is too short or cut off"},
        {orbits(49, 0, {0, 0}), "its star is out of range"},
        {orbits(255, 0, {0, 0}), "its star is out of range"},
        {orbits(18, limit + 1, {0, 0}), "its clock readings are out of range"},
        {orbits(18, 0, {2, 0}), "its clock readings are out of range"},     // mode 2
        {orbits(18, limit, {0, 2}), "its clock readings are out of range"}, // the second one past
        // Mode 1, a step each: 2^62 back, then one more.
        {orbits(18, 0, {1, (limit << 1) - 1, 1, 0, 0, 0, 0, 0, 0, 0, 0}),
         "its clock readings are out of range"},
        {orbits(18, 0, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0}), "it is too short or cut off"},
    };
    for (const auto& c : refused) {
        std::string error;
        EXPECT_FALSE(DecodeSystemCode(c.code, &error)) << c.code;
        EXPECT_EQ(error, c.why) << c.code;
    }
    // The edges themselves are codes.
    EXPECT_EQ(DecodeSystemCode(Spelled({0x2E, 7, 0x80, 0x80, 0x40}))->index, SystemCode::MaxBatchIndex);
    EXPECT_EQ(DecodeSystemCode(orbits(18, limit, {0, 0}))->readings[10], std::int64_t{1} << 62);

    // Every star byte of the table's range names its class and type; the
    // pairs the table lacks are refused.
    int stars = 0;
    for (std::uint8_t star = 0; star < 49; ++star) {
        std::string error;
        const auto code = DecodeSystemCode(orbits(star, 0, {0, 2}), &error);
        if (!code) {
            EXPECT_EQ(error, "its star is not one of the star table") << int{star};
            continue;
        }
        ++stars;
        EXPECT_TRUE(StarTableHolds(code->starType, code->starClass)) << int{star};
        const SystemCode again = *DecodeSystemCode(EncodeSystemCode(*code));
        EXPECT_EQ(std::tie(again.starClass, again.starType), std::tie(code->starClass, code->starType));
    }
    EXPECT_EQ(stars, 35); // the pairs of the star table
}

} // namespace
} // namespace kelvane
