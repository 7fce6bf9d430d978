#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "TempFolder.h"
#include "core/AppState.h"
#include "core/files/LegacySystemFile.h"
#include "core/files/SystemFile.h"
#include "core/model/RandomSource.h"
#include "core/model/modGenerate.h"

namespace kelvane {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;
using test::ReadBytes;
using test::WriteBytes;
using Lines = std::vector<std::string>;

const std::string ExamplePath = std::string(KELVANE_TEST_DATA) + "/example.KVN";
const std::string Header = "Kelvane 2.0                   ";

Distance AU(std::int64_t units)
{
    return Distance::FromUnits(units);
}

// Unlike the example in every field, to show which fields a load replaced.
StarSystem Before()
{
    StarSystem s{"Before", 7, 45, 255, AU(111111), AU(222222), AU(333333), {}};
    s.Orbits.fill({16711680, 99, 9, "ZYX"sv, AU(1234567), 1, 2, 3, 4});
    return s;
}

// The system of tests/data/example.KVN, as the first test pins it.
StarSystem Example()
{
    StarSystem s = Before();
    EXPECT_TRUE(ReadSystemFileBytes(ReadBytes(ExamplePath), s, '.').Ok());
    return s;
}

std::string Join(const Lines& lines)
{
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

Lines ExampleLines()
{
    const std::string text = ReadBytes(ExamplePath);
    Lines lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

class SystemFileTest : public ::testing::Test {
protected:
    SystemFileTest() { Reset(); }
    void Reset() { app.system = Before(); }
    // Writes bytes to a file in the test's folder and loads it.
    FileResult Load(std::string_view bytes, char separator = '.')
    {
        WriteBytes(path, bytes);
        return LoadSystemFile(app.system, path, separator);
    }

    test::TempFolder folder;
    std::string path = folder / "system.KVN";
    AppState app;
};

TEST_F(SystemFileTest, TheExampleLoadsAndSavesBackToTheSameBytesWithEitherSeparator)
{
    const std::string bytes = ReadBytes(ExamplePath);
    ASSERT_TRUE(Load(bytes).Ok());
    // The star and an orbit whose fields all differ pin what each tag holds.
    const StarSystem example = app.system;
    const StarSystem& s = example;
    EXPECT_EQ(std::tie(s.SystemName, s.SystemType, s.StarClass, s.StarType, s.BiozoneMin, s.BiozoneMax,
                       s.InnerLimit),
              std::make_tuple("Example System"s, 1, 25, 65535, AU(6000), AU(14000), AU(0)));
    EXPECT_EQ(s.Orbit(3), (OrbitRecord{16776960, 6, 1, "ABC    HI"sv, AU(9000), -139, 80, 41, 155}));

    // Saved, the same bytes again.
    const std::string copy = folder / "copy.KVN";
    ASSERT_TRUE(SaveSystemFile(example, copy, '.').Ok());
    EXPECT_EQ(ReadBytes(copy), bytes);

    // The name loses its outer spaces, an element text only its leading ones.
    StarSystem odd = example;
    odd.SystemName = "  Two Suns  ";
    odd.Orbit(3).Elements = "  CD  ";
    ASSERT_TRUE(Load(SystemFileText(odd, '.')).Ok());
    odd.SystemName = "Two Suns";
    odd.Orbit(3).Elements = "CD";
    EXPECT_EQ(app.system, odd);

    // Decimals are written and read with the separator given, and only with it.
    ASSERT_TRUE(Load(SystemFileText(example, ','), ',').Ok());
    EXPECT_EQ(app.system, example);
    EXPECT_EQ(Load(bytes, ',').Text(), "line 21: '0.6' is not a number (BiozoneMin)");
}

TEST(SystemFileRoundTrip, GeneratedSystemsComeBackEqual)
{
    AppState generator;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        RandomSource random = RandomSource::Deterministic(seed);
        const GenerationOptions options{static_cast<LifeSupportLevel>(1 + seed % 4),
                                        static_cast<BiozoneWidth>(1 + seed % 3)};
        GenerateSystem(generator.system, random, options);
        if (seed % 2 == 0) // positions left over from the first pass
            GenerateOrbitsOnly(generator.system, random, options.lifeSupport);
        generator.system.SystemName = "Sector " + std::to_string(seed) + " (\xC6r\xF8)";
        StarSystem loaded = Before();
        const FileResult result = ReadSystemFileBytes(SystemFileText(generator.system, '.'), loaded, '.');
        ASSERT_TRUE(result.Ok()) << seed << ": " << result.Text();
        ASSERT_EQ(loaded, generator.system) << "seed " << seed;
    }
}

TEST_F(SystemFileTest, OnlyWholeTagLinesInTheirPlaceCountAndTheLastValueWins)
{
    ASSERT_TRUE(Load(Join({"   <KelvaneSystem> ", "garbage", "\x01\x02", "<Radius>", "5", "</Orbit>",
                           // Items in any order, the last winning, up to the limits of their fields; a
                           // CR alone ends a line; <Warning> takes the next line.
                           "<InnerLimit>", "0.05", "<SystemName>", "First", "<StarType>\r-2147483648",
                           "<Warning>", "<StarClass>", "10", "    <SystemType>    ", "    -32768    ",
                           // Not tags, as a tag is a whole line stripped of spaces only; then values.
                           "<StarClass >", "11", "< StarType>", "12", "<systemtype>", "13", "\t<StarClass>",
                           "<SystemName>", "</SystemName>", "<Orbit>", "<Elements>", "</Orbit>",
                           // Inside a block only orbit items and </Orbit> count.
                           "<SystemName>", "Inside", "</KelvaneSystem>", "<Orbit>", "<Moons>", "2",
                           "</Orbit>", "<Orbit>", "</Orbit>", "<Moons>", "3", "<Orbit>", "<PosX>", "32767",
                           "<Type>", "2147483647", "<Elements>", "\nA LF", "</Orbit>",
                           // Outside, the end of the system ends the reading.
                           "</KelvaneSystem>", "<Orbit>", "<Type>", "x"}))
                    .Ok());
    StarSystem expected = Before();
    std::tie(expected.InnerLimit, expected.StarType, expected.SystemType, expected.SystemName) =
        std::tuple(AU(500), -2147483648, -32768, "</SystemName>");
    std::tie(expected.Orbit(1).Elements, expected.Orbit(1).Moons) = std::tuple("</Orbit>"sv, 2);
    std::tie(expected.Orbit(3).PosX, expected.Orbit(3).Type, expected.Orbit(3).Elements) =
        std::tuple(32767, 2147483647, "\nA LF"sv);
    EXPECT_EQ(app.system, expected);
}

TEST_F(SystemFileTest, BlocksFillTheOrbitsInTurnAndAnEleventhMayHoldNoFieldItem)
{
    Lines lines = ExampleLines();
    ASSERT_TRUE(Load(Join(Lines(lines.begin(), lines.begin() + 28 + 5 * 29))).Ok());
    StarSystem expected = Example();
    for (int n = 6; n <= 10; ++n)
        expected.Orbit(n) = Before().Orbit(n);
    EXPECT_EQ(app.system, expected);

    lines.pop_back(); // </KelvaneSystem>
    ASSERT_TRUE(
        Load(Join(lines) + Join({"<Orbit>", "<Unknown>", "1", "</Orbit>", "<Orbit>", "</KelvaneSystem>"}))
            .Ok());
    EXPECT_EQ(app.system, Example());

    Reset();
    const FileResult result = Load(Join(lines) + Join({"  <Orbit>", "    <Moons>", "    1", "  </Orbit>"}));
    EXPECT_EQ(result.line, 320);
    EXPECT_EQ(result.Text(), "line 320: <Moons> in orbit block 11, but a system has only ten orbits");
    EXPECT_EQ(app.system, Example()); // everything before the error was stored
}

TEST_F(SystemFileTest, AValueThatIsNotANumberOrDoesNotFitEndsTheLoadAtItsLine)
{
    const std::tuple<int, std::string, std::string> cases[] = {
        {21, "abc", "line 21: 'abc' is not a number (BiozoneMin)"},
        {21, "   ", "line 21: an empty line is not a number (BiozoneMin)"},
        {21, "\t0.6", "line 21: '\\x090.6' is not a number (BiozoneMin)"},
        {12, "1.5", "line 12: '1.5' is not a whole number (SystemType)"},
        {12, "+1", "line 12: '+1' is not a number (SystemType)"},
        {12, "-", "line 12: '-' is not a number (SystemType)"},
        {34, "40000", "line 34: 40000 does not fit in Radius (-32768 to 32767)"},
        {49, "-32769", "line 49: -32769 does not fit in PosY (-32768 to 32767)"},
        {18, "2147483648", "line 18: 2147483648 does not fit in StarType (-2147483648 to 2147483647)"},
        {31, "99999999999999999999",
         "line 31: 99999999999999999999 does not fit in Type (-2147483648 to 2147483647)"},
        {43, "0.12345", "line 43: '0.12345' has more than four decimals (AU)"},
        {43, "1000000000000000",
         "line 43: 1000000000000000 does not fit in AU (-922337203685477.5808 to 922337203685477.5807)"},
    };
    for (const auto& [line, text, message] : cases) {
        Reset();
        Lines lines = ExampleLines();
        lines[static_cast<std::size_t>(line - 1)] = text;
        const FileResult result = Load(Join(lines));
        EXPECT_EQ(result.line, line) << message;
        EXPECT_EQ(result.Text(), message);
    }
    // The last case stored the fields before its line and none after it.
    StarSystem expected = Example();
    expected.Orbits = Before().Orbits;
    expected.Orbit(1) = {0, 0, 0, ""sv, Before().Orbit(1).AU, 1, 2, 3, 4};
    EXPECT_EQ(app.system, expected);
}

TEST_F(SystemFileTest, AMissingValueLineAnEmptyFileOrOneThatCannotBeReadIsAnError)
{
    Lines lines = ExampleLines();
    lines.resize(14);
    const FileResult result = Load(Join(lines));
    EXPECT_EQ(result.line, 14);
    EXPECT_EQ(result.Text(), "line 14: <StarClass> has no value line; the file ends there");
    EXPECT_EQ(Load("<KelvaneSystem>\r\n<Orbit>\r\n    <PosYArc>   ").Text(),
              "line 3: <PosYArc> has no value line; the file ends there");
    EXPECT_TRUE(Load("<KelvaneSystem>\r\n<SystemName>\r\n\r\n").Ok()); // an empty last line is a line
    EXPECT_EQ(app.system.SystemName, "");

    Reset();
    WriteBytes(path, "");
    const std::tuple<std::string, FileOutcome, std::string> cases[] = {
        {folder / "missing.KVN", FileOutcome::CannotAccess, "No such file or directory"},
        {path, FileOutcome::BadContent, "the file is empty"},
        {"/dev/zero", FileOutcome::CannotAccess,
         "the file is larger than 64 MiB, too large for a system file"},
    };
    for (const auto& [file, outcome, message] : cases) {
        const FileResult failed = LoadSystemFile(app.system, file, '.');
        EXPECT_EQ(std::make_tuple(failed.outcome, failed.Text()), std::make_tuple(outcome, message)) << file;
    }
    EXPECT_EQ(app.system, Before());
}

// A 2.0 file holding s: the header, then every field in the order and
// width of the layout, integers little-endian.
std::string File20(const StarSystem& s)
{
    std::string file = Header;
    const auto put = [&file](auto value) {
        for (std::size_t i = 0; i < sizeof value; ++i)
            file += static_cast<char>(static_cast<std::uint64_t>(value) >> (8 * i));
    };
    put(s.StarClass), put(s.StarType), put(s.SystemType);
    put(s.BiozoneMin.Units()), put(s.BiozoneMax.Units()), put(s.InnerLimit.Units());
    for (const OrbitRecord& o : s.Orbits) {
        put(o.Type), put(o.Radius), put(o.Moons);
        file += o.Elements.View();
        put(o.AU.Units()), put(o.PosX), put(o.PosY), put(o.PosXArc), put(o.PosYArc);
    }
    EXPECT_EQ(file.size(), 562u);
    return file;
}

TEST_F(SystemFileTest, WhatIsNeitherTaggedTextNorA20FileIsNotLoaded)
{
    // With LF alone the whole file is one line.
    std::string lf = ReadBytes(ExamplePath);
    std::erase(lf, '\r');
    const std::string body = File20(Before()).substr(30);
    for (const std::string& text :
         {lf, "<kelvanesystem>\r\n<SystemName>\r\nX\r\n"s, "\t<KelvaneSystem>\r\n<SystemName>\r\nX\r\n"s,
          "Kelvane 2.0"s + std::string(19, '\0') + body, Header.substr(0, 29) + "x" + body,
          "kelvane 2.0"s + Header.substr(11) + body, "Kelvane 3.5"s + Header.substr(11) + body,
          Header.substr(0, 29)}) {
        const FileResult result = Load(text);
        EXPECT_EQ(result.outcome, FileOutcome::NotKelvaneFile) << text;
        EXPECT_EQ(result.Text(), "This is not a Kelvane 2.0 file.");
    }
    EXPECT_EQ(app.system, Before());
}

TEST_F(SystemFileTest, A20FileLoadsEveryFieldButTheNameAndAShortOneTheWholeFieldsItHolds)
{
    // The example with negative numbers of every width, a NUL and bytes above
    // 127 added, so that a wrong width, byte order or sign shows.
    StarSystem stored = Example();
    stored.BiozoneMax = AU(-0x0102030405060708);
    stored.Orbit(4) = {-1000003, -1700, -4, " B\0D\xE9\xFF"sv, AU(-5), -30000, 30000, 257, -4097};
    const std::string file = File20(stored);
    ASSERT_TRUE(Load(file + "\r\n<KelvaneSystem>\r\n<SystemName>\r\nTail\r\n").Ok()); // the tail is not read
    stored.SystemName = "Before";
    EXPECT_EQ(app.system, stored);

    for (std::size_t length = 30; length < 562; ++length) {
        const std::string cut = file.substr(0, length); // a buffer of its own, so reading past it shows
        StarSystem system = Before();
        ASSERT_EQ(ReadLegacySystem(cut, system).outcome, FileOutcome::BadContent) << length;
    }
    StarSystem whole;
    EXPECT_TRUE(ReadLegacySystem(file, whole).Ok()); // exactly the full length, nothing after it
    Reset();
    EXPECT_EQ(Load(file.substr(0, 280)).Text(),
              "the file ends after 280 bytes, inside Elements of orbit 5; a Kelvane 2.0 file has 562");
    // The fields before the cut one are stored, none from it on.
    StarSystem expected = stored;
    for (int n = 5; n <= 10; ++n)
        expected.Orbit(n) = Before().Orbit(n);
    std::tie(expected.Orbit(5).Type, expected.Orbit(5).Radius, expected.Orbit(5).Moons) =
        std::tie(stored.Orbit(5).Type, stored.Orbit(5).Radius, stored.Orbit(5).Moons);
    EXPECT_EQ(app.system, expected);
    StarSystem system;
    EXPECT_EQ(ReadLegacySystem(Header, system).Text(),
              "the file ends after 30 bytes, inside StarClass; a Kelvane 2.0 file has 562");
}

} // namespace
} // namespace kelvane
