#include <gtest/gtest.h>

#include <algorithm>

#include "TempFolder.h"
#include "core/model/Codes.h"
#include "core/model/SystemCode.h"
#include "core/sector/SectorFile.h"
#include "core/sector/SectorGeneration.h"

namespace kelvane {
namespace {

const std::string Header = R"({"kelvaneSector": 1, "seed": "77", "width": 4, "height": 5, "density": 0.25,
 "lifeSupport": 3, "biozone": 2, "systems": [)";

TEST(SectorFile, WritesEveryFieldAndReadsBackTheSameSector)
{
    const Sector sector =
        GenerateSector({18446744073709551615ull, 6, 7, 0.3, LifeSupportLevel{4}, BiozoneWidth{3}});
    const std::string text = SectorFileText(sector);
    EXPECT_TRUE(
        text.starts_with("{\n  \"kelvaneSector\": 1,\n  \"seed\": \"18446744073709551615\",\n"
                         "  \"width\": 6,\n  \"height\": 7,\n  \"density\": 0.3,\n  \"lifeSupport\": 4,\n"
                         "  \"biozone\": 3,\n  \"systems\": [\n    {\"hex\": \""))
        << text;
    const SectorSystem& first = sector.systems.front();
    EXPECT_NE(text.find("{\"hex\": \"" + first.hex.Text() + "\", \"name\": \"" + first.name +
                        "\", \"code\": \"" + first.code + "\", \"starClass\": \""),
              std::string::npos);
    Sector read;
    ASSERT_TRUE(ReadSectorText(text, read).Ok());
    EXPECT_EQ(read, sector);
    EXPECT_EQ(SectorFileText(read), text);
    // Every orbit of a hex is a planet, a belt or empty.
    for (const SectorSystem& system : read.systems)
        EXPECT_EQ(system.summary.planets + system.summary.belts +
                      std::ranges::count(system.system.Orbits, TypeNothing, &OrbitRecord::Type),
                  StarSystem::OrbitCount)
            << system.hex.Text();

    // An empty sector, and the file on disk.
    const test::TempFolder folder;
    const Sector empty = GenerateSector({1, 2, 2, 0, LifeSupportLevel{2}, BiozoneWidth{1}});
    test::WriteBytes(folder / "sector.json", SectorFileText(empty));
    ASSERT_TRUE(ReadSectorFile(folder / "sector.json", read).Ok());
    EXPECT_EQ(read, empty);
    EXPECT_EQ(ReadSectorFile(folder / "missing.json", read).outcome, FileOutcome::CannotAccess);
}

TEST(SectorFile, AHandWrittenFileNeedsOnlyHexNameAndCode)
{
    const SectorOptions options{77, 4, 5, 0.25, LifeSupportLevel{3}, BiozoneWidth{2}};
    const std::string code = EncodeSystemCode(HexSystemCode(options, {4, 5}));
    const std::string code2 = EncodeSystemCode(HexSystemCode(options, {1, 2}));
    // Out of hex order, a member nobody knows, a number as the seed, a name
    // with a quote and a non-ASCII letter in an escape.
    const std::string text = Header + R"({"hex": "0405", "name": "Caf\u00e9 \"Nova\"", "code": ")" + code +
                             R"(", "colour": "red"}, {"hex": "0102", "name": "B", "code": ")" + code2 +
                             R"("}]})";
    Sector sector;
    const FileResult result = ReadSectorText(text, sector);
    ASSERT_TRUE(result.Ok()) << result.Text();
    ASSERT_EQ(sector.systems.size(), 2u);
    EXPECT_EQ(sector.options, options);
    EXPECT_EQ(sector.systems[0].hex, (HexNumber{1, 2}));
    const SectorSystem& system = sector.systems[1];
    EXPECT_EQ(system.name, "Caf\xc3\xa9 \"Nova\"");
    EXPECT_EQ(system.system.SystemName, system.name);
    EXPECT_EQ(system.summary, SummarizeSystem(system.system));
    StarSystem expected = RegenerateSystem(*DecodeSystemCode(code));
    expected.SystemName = system.name;
    EXPECT_EQ(system.system, expected);
    EXPECT_NE(SectorFileText(sector).find(R"("name": "Café \"Nova\"")"), std::string::npos);
}

TEST(SectorFile, DamagedFilesSayWhatIsWrongAndChangeNothing)
{
    const std::string code =
        EncodeSystemCode(HexSystemCode({77, 4, 5, 0.25, LifeSupportLevel{3}, BiozoneWidth{2}}, {1, 1}));
    const std::string vega = R"({"hex": "0101", "name": "Vega", "code": ")" + code + "\"";
    const auto withSystem = [&](const std::string& members) { return Header + vega + members + "}]}"; };
    const auto withCode = [&](std::uint64_t index) {
        return Header + R"({"hex": "0101", "name": "X", "code": ")" +
               EncodeSystemCode(BatchSystemCode(5, index, LifeSupportLevel{2}, BiozoneWidth{1})) + "\"}]}";
    };
    std::string zeros;
    for (int i = 0; i < 1100000; ++i)
        zeros += "0,";
    zeros += "0";
    const std::pair<std::string, std::string> cases[] = {
        {"", "line 1, column 1: the text ends where a value should be"},
        {"<KelvaneSystem>", "line 1, column 1: expected a value"},
        {"{\"kelvaneSector\": 1,\n \"seed\": 5,", "line 2, column 12: expected a member name in quotes"},
        {Header + "]", "line 2, column 47: expected ',' or '}'"},
        {"[1, 2]", "this is not a Kelvane sector file (it has no \"kelvaneSector\")"},
        {R"({"kelvaneSector": 3})",
         "its \"kelvaneSector\" 3 is a newer version than this program reads; open it with a newer Kelvane"},
        {R"({"kelvaneSector": 0})", "its \"kelvaneSector\" '0' is not a version this program reads"},
        {R"({"kelvaneSector": "2"})", "its \"kelvaneSector\" '2' is not a version this program reads"},
        {R"({"kelvaneSector": 2, "name": ""})", "\"name\" is empty or longer than 200 bytes"},
        {R"({"kelvaneSector": 1, "seed": "12"})", "\"width\" is missing"},
        {R"({"kelvaneSector": 1, "seed": "-1"})",
         "\"seed\" is not a whole number from 0 to 18446744073709551615"},
        {R"({"kelvaneSector": 1, "seed": 18446744073709551616})",
         "\"seed\" is not a whole number from 0 to 18446744073709551615"},
        {R"({"kelvaneSector": 1, "seed": "1", "width": 65})", "\"width\" is not a whole number from 1 to 64"},
        {R"({"kelvaneSector": 1, "seed": "1", "width": 8, "height": 8.5})",
         "\"height\" is not a whole number from 1 to 80"},
        {R"({"kelvaneSector": 1, "seed": "1", "width": 8, "height": 8, "density": "half"})",
         "\"density\" is not a number from 0 to 1"},
        {R"({"kelvaneSector": 1, "seed": "1", "width": 8, "height": 8, "density": 1e1})",
         "\"density\" is not a number from 0 to 1"},
        {Header + "5]}", "system 1: not an object"},
        {Header + R"({"hex": "0601", "name": "X", "code": "1"}]})",
         "system 1: \"hex\" '0601' is not a hex of the sector"},
        {Header + R"({"hex": 101}]})", "system 1: \"hex\" is not a text in quotes"},
        {withSystem(R"(, "name": "")"), "system 0101: \"name\" is empty or longer than 200 bytes"},
        {withSystem(R"(, "name": "A\r\nB")"),
         "system 0101: \"name\" holds a line break or another control character"},
        {Header + R"({"hex": "0101", "name": "X", "code": "4KWV-1Q4T-W100-25F3"}]})",
         "system 0101: its code does not read: its check does not match; a character is wrong or missing"},
        {withSystem(R"(, "starClass": "Dwarf")"), "system 0101: \"starClass\" 'Dwarf' is not a star class"},
        {withSystem(", \"starClass\": \"Subdwarf (VI)\", \"starType\": \"White Dwarf (D)\""),
         "system 0101: \"starType\" 'White Dwarf (D)' is not a star type of its class"},
        {withSystem(R"(, "bestEnvironment": "Lush")"),
         "system 0101: \"bestEnvironment\" 'Lush' is not an environment"},
        {withSystem(", \"planets\": 11"), "system 0101: \"planets\" is not a whole number from 0 to 10"},
        {withSystem(R"(, "planets": 6, "belts": 5)"), "system 0101: more planets and belts than orbits"},
        {Header + vega + "}, " + vega + "}]}", "hex 0101 is listed twice"},
        {withSystem(", \"notes\": 5"), "system 0101: \"notes\" is not a text in quotes"},
        {withSystem(R"(, "notes": ")" + std::string(MaxHexNotesBytes + 1, 'x') + "\""),
         "system 0101: the notes are longer than 65536 bytes"},
        {Header + R"(], "emptyHexes": {}})", "\"emptyHexes\" is not a list"},
        {Header + R"(], "emptyHexes": [{"hex": "0106", "notes": "x"}]})",
         "empty hex 1: \"hex\" '0106' is not a hex of the sector"},
        {Header + vega + R"(}], "emptyHexes": [{"hex": "0101", "notes": "x"}]})", "hex 0101 is listed twice"},
        {Header + "{\"hex\": \"01\xff\"}]}", "line 2, column 57: a string that is not UTF-8"},
        {std::string(100, '[') + std::string(100, ']'), "line 1, column 65: values nest too deep"},
        {R"({"kelvaneSector": 1} x)", "line 1, column 22: unexpected text after the end of the value"},
        // Text from the file reaches a message with its control characters
        // shown, never sent to the terminal.
        {Header + R"({"hex": "\u001b]0;X\u0007\u001b[2J\u009b"}]})",
         R"(system 1: "hex" '\x1B]0;X\x07\x1B[2J\xC2\x9B' is not a hex of the sector)"},
        {withSystem(R"(, "starClass": "\u007f\u00a0)" + std::string(50, 'x') + "\""),
         "system 0101: \"starClass\" '\\x7F\xc2\xa0" + std::string(37, 'x') + "...' is not a star class"},
        // A code far into its run would take seconds to make again.
        {withCode(65),
         "system 0101: its code names system 65 of a run; a sector's codes name one of the first 64"},
        {withCode(SystemCode::MaxBatchIndex),
         "system 0101: its code names system 1048576 of a run; a sector's codes name one of the first 64"},
        // Members nobody reads are not built, so they may be of any size;
        // the ones read are limited.
        {"{\"unread\": [" + zeros + "], " + Header.substr(1) + "5]}", "system 1: not an object"},
        {Header + zeros + "]}", "line 2, column 2097180: more than 1048576 values"},
    };
    const Sector before = GenerateSector({3, 2, 2, 1, LifeSupportLevel{2}, BiozoneWidth{1}});
    for (const auto& [text, message] : cases) {
        Sector sector = before;
        const FileResult result = ReadSectorText(text, sector);
        EXPECT_EQ(result.outcome, FileOutcome::BadContent) << text;
        EXPECT_EQ(result.Text(), message) << text;
        EXPECT_EQ(sector, before) << text;
    }
    // The furthest a code may go is still read.
    Sector last;
    EXPECT_TRUE(ReadSectorText(withCode(MaxSectorRunNumber), last).Ok());
}

// The game master's words come back as they were written: the sector's
// name, and notes on occupied and empty hexes, whatever they hold. A sector
// with neither stays a version 1 index.
TEST(SectorFile, NotesAndNameComeBackByteForByte)
{
    Sector sector = GenerateSector({9, 5, 4, 0.5, LifeSupportLevel{2}, BiozoneWidth{1}});
    ASSERT_GE(sector.systems.size(), 2u);
    EXPECT_TRUE(SectorFileText(sector).starts_with("{\n  \"kelvaneSector\": 1,\n  \"seed\""));
    const std::string hostile[] = {
        "Line one\r\nline two\ttabbed \"quoted\" \\ back\n",
        "\xed\xa0\x80 alone, \xed\xbf\xbf alone, \xf0\x9f\x98\x80 paired",
        std::string("\0\x1b[2J\xc2\x9b\x7f", 7),
        std::string(MaxHexNotesBytes, 'n'),
    };
    const HexNumber occupied = sector.systems[0].hex;
    const HexNumber last = sector.systems[1].hex;
    HexNumber empty{1, 1};
    while (sector.At(empty) != nullptr)
        empty.row++;
    ASSERT_TRUE(sector.Grid().Contains(empty));
    sector.name = "The \"Marches\" \xc3\xa9";
    sector.SetNotes(occupied, hostile[0]);
    sector.SetNotes(last, hostile[1]);
    sector.SetNotes(empty, hostile[2]);
    sector.SetNotes({5, 4}, hostile[3]);
    const std::string text = SectorFileText(sector);
    EXPECT_TRUE(
        text.starts_with("{\n  \"kelvaneSector\": 2,\n  \"name\": \"The \\\"Marches\\\" \xc3\xa9\",\n"))
        << text.substr(0, 80);
    EXPECT_NE(text.find("\\ud800 alone, \\udfff alone, \xf0\x9f\x98\x80 paired"), std::string::npos);
    Sector read;
    ASSERT_TRUE(ReadSectorText(text, read).Ok()) << ReadSectorText(text, read).Text();
    EXPECT_EQ(read, sector);
    EXPECT_EQ(SectorFileText(read), text);

    // Notes written by hand, a high surrogate before an escape that is not
    // its low one among them; empty notes are none.
    const std::string byHand =
        Header + "], \"emptyHexes\": [{\"hex\": \"0203\", \"notes\": \"\\ud83d\\u0041\\udc00\"}, "
                 "{\"hex\": \"0204\", \"notes\": \"\"}]}";
    ASSERT_TRUE(ReadSectorText(byHand, read).Ok()) << ReadSectorText(byHand, read).Text();
    EXPECT_EQ(read.notes, (std::map<HexNumber, std::string>{{{2, 3},
                                                             "\xed\xa0\xbd"
                                                             "A\xed\xb0\x80"}}));
    EXPECT_NE(SectorFileText(read).find(R"("notes": "\ud83dA\udc00")"), std::string::npos);
    EXPECT_EQ(English(HexNotesFault("caf\xe9")), "are not UTF-8 text");
}

} // namespace
} // namespace kelvane
