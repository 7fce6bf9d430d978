#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/AppState.h"
#include "core/files/SystemFile.h"
#include "core/files/TempFolder.h"
#include "core/model/RandomSource.h"
#include "core/model/modGenerate.h"

namespace kelvane {
namespace {

using test::FileSizeLimit;
using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const std::string ExamplePath = std::string(KELVANE_TEST_DATA) + "/example.KVN";

Distance AU(std::int64_t units)
{
    return Distance::FromUnits(units);
}

OrbitRecord Orbit(std::int32_t type, std::int16_t radius, std::int16_t moons, std::string_view elements,
                  std::int64_t auUnits, std::int16_t x, std::int16_t y, std::int16_t xArc, std::int16_t yArc)
{
    return {type, radius, moons, elements, AU(auUnits), x, y, xArc, yArc};
}

// The system that tests/data/example.KVN holds.
StarSystem ExampleSystem()
{
    StarSystem s;
    s.SystemName = "Example System";
    s.SystemType = 1;
    s.StarClass = 25;
    s.StarType = 65535;
    s.BiozoneMin = AU(6000);
    s.BiozoneMax = AU(14000);
    s.InnerLimit = AU(0);
    s.Orbits = {
        Orbit(0, 0, 0, "", 3000, 0, 0, 0, 0),
        Orbit(65280, 7, 1, "AB D  G I KL         V    ", 6000, 108, -39, 108, -39),
        Orbit(16776960, 6, 1, "ABC    HI                 ", 9000, -139, 80, 41, 155),
        Orbit(0, 0, 0, "", 15000, 0, 0, 0, 0),
        Orbit(16512, 0, 0, "ABC E             S       ", 27000, 0, 0, 0, 0),
        Orbit(16777215, 14, 5, "ABCDE G   K               ", 51000, -51, -291, 190, -226),
        Orbit(255, 11, 3, "ABC        L        UV   Z", 99000, 294, 170, 294, 170),
        Orbit(65535, 9, 0, "ABCDE  H   L    Q     W   ", 195000, -193, 333, 333, 193),
        Orbit(0, 0, 0, "", 387000, 0, 0, 0, 0),
        Orbit(16512, 0, 0, "ABC     I              XY ", 771000, 0, 0, 0, 0),
    };
    return s;
}

// A system unlike the example in every field, to see which fields a load
// replaced and which it left.
StarSystem Before()
{
    StarSystem s;
    s.SystemName = "Before";
    s.SystemType = 7;
    s.StarClass = 45;
    s.StarType = 255;
    s.BiozoneMin = AU(111111);
    s.BiozoneMax = AU(222222);
    s.InnerLimit = AU(33333);
    for (int n = 1; n <= StarSystem::OrbitCount; ++n)
        s.Orbit(n) = Orbit(16711680, 99, 9, "ZYX", 1234567, 1, 2, 3, 4);
    return s;
}

// Lines joined into a file, each ending in CR LF.
std::string Join(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

std::vector<std::string> SplitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the last line does not end in CR LF";
    return lines;
}

std::vector<std::string> ExampleLines()
{
    return SplitCrLf(ReadBytes(ExamplePath));
}

class SystemFileTest : public ::testing::Test {
protected:
    SystemFileTest()
    {
        app.UpdateDisplayCaption = [this] { captionedNames.push_back(app.system.SystemName); };
        Reset();
    }

    void Reset()
    {
        app.system = Before();
        app.CurrentFileName = "earlier.KVN";
        captionedNames.clear();
    }

    // Writes bytes to a file in the test's folder and loads it.
    FileResult Load(std::string_view bytes, char separator = '.')
    {
        path = folder / "system.KVN";
        WriteBytes(path, bytes);
        return LoadSystemFile(app, path, separator);
    }

    void ExpectNotLoaded()
    {
        EXPECT_EQ(app.CurrentFileName, "earlier.KVN");
        EXPECT_TRUE(captionedNames.empty());
    }

    void ExpectLoaded()
    {
        EXPECT_EQ(app.CurrentFileName, path);
        EXPECT_EQ(captionedNames, std::vector<std::string>{app.system.SystemName});
    }

    TempFolder folder;
    AppState app;
    std::string path;
    std::vector<std::string> captionedNames;
};

// ---- Writing and round trips -------------------------------------------------------

TEST_F(SystemFileTest, TheExampleIsWrittenByteForByteAndLoadsAndSavesToTheSameBytes)
{
    EXPECT_EQ(SystemFileText(ExampleSystem(), '.'), ReadBytes(ExamplePath));

    ASSERT_TRUE(LoadSystemFile(app, ExamplePath, '.').Ok());
    EXPECT_EQ(app.system, ExampleSystem());
    EXPECT_EQ(app.CurrentFileName, ExamplePath);
    EXPECT_EQ(captionedNames, std::vector<std::string>{"Example System"});
    const std::string copy = folder / "copy.KVN";
    ASSERT_TRUE(SaveSystemFile(app.system, copy, '.').Ok());
    EXPECT_EQ(ReadBytes(copy), ReadBytes(ExamplePath));
    EXPECT_EQ(app.CurrentFileName, ExamplePath);
}

TEST_F(SystemFileTest, DecimalsAreWrittenAndReadWithTheGivenSeparatorOnly)
{
    StarSystem s = ExampleSystem();
    s.BiozoneMin = AU(125);
    s.BiozoneMax = AU(-5000);
    s.InnerLimit = AU(20000);
    s.Orbit(1).AU = AU(1029000);
    const std::vector<std::string> lines = SplitCrLf(SystemFileText(s, ','));
    ASSERT_EQ(lines.size(), 319u);
    EXPECT_EQ(lines[2], "  3,5");
    EXPECT_EQ(lines[20], "  0,0125");
    EXPECT_EQ(lines[23], "  -0,5");
    EXPECT_EQ(lines[26], "  2");
    EXPECT_EQ(lines[42], "    102,9");
    ASSERT_TRUE(Load(Join(lines), ',').Ok());
    EXPECT_EQ(app.system, s);

    Reset();
    EXPECT_EQ(Load(ReadBytes(ExamplePath), ',').message, "line 21: '0.6' is not a number (BiozoneMin)");
}

TEST(SystemFileRoundTrip, GeneratedSystemsComeBackEqual)
{
    AppState generator;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        generator.random = std::make_unique<RandomSource>(RandomSource::Deterministic(seed));
        generator.settings.Biozone = static_cast<std::int16_t>(1 + seed % 3);
        generator.settings.LifeSupport = static_cast<std::int16_t>(1 + seed % 4);
        GenerateSystem(generator);
        if (seed % 2 == 0)
            GenerateOrbitsOnly(generator); // positions left over from the first pass
        generator.system.SystemName = "Sector " + std::to_string(seed) + " (\xC6r\xF8)";

        StarSystem loaded = Before();
        const FileResult result = ReadSystemFileBytes(SystemFileText(generator.system, '.'), loaded, '.');
        ASSERT_TRUE(result.Ok()) << seed << ": " << result.message;
        ASSERT_EQ(loaded, generator.system) << "seed " << seed;
    }
}

TEST(SystemFileRoundTrip, EveryFieldAtItsLimitsComesBackEqual)
{
    using L16 = std::numeric_limits<std::int16_t>;
    using L32 = std::numeric_limits<std::int32_t>;
    using L64 = std::numeric_limits<std::int64_t>;
    for (const bool low : {true, false}) {
        const std::int16_t i16 = low ? L16::min() : L16::max();
        StarSystem s;
        s.SystemName = "x";
        s.SystemType = s.StarClass = i16;
        s.StarType = low ? L32::min() : L32::max();
        s.BiozoneMin = AU(low ? L64::min() : L64::max());
        s.BiozoneMax = AU(low ? -1 : 1);
        s.InnerLimit = AU(low ? -10000 : 9999);
        s.Orbits.fill(Orbit(low ? L32::min() : L32::max(), i16, i16, low ? "A" : "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                            low ? L64::min() : L64::max(), i16, i16, i16, i16));
        StarSystem loaded = Before();
        ASSERT_TRUE(ReadSystemFileBytes(SystemFileText(s, '.'), loaded, '.').Ok());
        EXPECT_EQ(loaded, s) << (low ? "lowest" : "highest");
    }
}

TEST(SystemFileRoundTrip, NameLosesOuterSpacesAndElementsLoseOnlyLeadingSpaces)
{
    StarSystem s = ExampleSystem();
    s.SystemName = "  Two Suns  ";
    s.Orbit(1).Elements = "A  D      "; // trailing spaces come back
    s.Orbit(2).Elements = "";           // 26 spaces come back as 26 spaces
    s.Orbit(3).Elements = "  CD";       // leading spaces are lost
    s.Orbit(4).Elements = "\tB";        // a tab is not a space
    const std::string text = SystemFileText(s, '.');
    EXPECT_EQ(SplitCrLf(text)[8], "    Two Suns  ");
    StarSystem loaded;
    ASSERT_TRUE(ReadSystemFileBytes(text, loaded, '.').Ok());
    EXPECT_EQ(loaded.SystemName, "Two Suns");
    EXPECT_EQ(loaded.Orbit(1).Elements.View(), "A  D                      ");
    EXPECT_EQ(loaded.Orbit(2).Elements.View(), std::string(26, ' '));
    EXPECT_EQ(loaded.Orbit(3).Elements.View(), "CD                        ");
    EXPECT_EQ(loaded.Orbit(4).Elements.View(), "\tB                        ");

    s.SystemName = "";
    EXPECT_EQ(SplitCrLf(SystemFileText(s, '.'))[8], "  ");
    ASSERT_TRUE(ReadSystemFileBytes(SystemFileText(s, '.'), loaded, '.').Ok());
    EXPECT_EQ(loaded.SystemName, "");
}

// ---- Lines, tags and blocks ------------------------------------------------------

TEST_F(SystemFileTest, AFileWithLfLineEndsIsOneLineAndNotA20FileEither)
{
    std::string text = ReadBytes(ExamplePath);
    std::erase(text, '\r');
    const FileResult result = Load(text);
    EXPECT_EQ(result.outcome, FileOutcome::NotKelvaneFile);
    EXPECT_EQ(result.message, "This is not a Kelvane 2.0 file.");
    EXPECT_EQ(app.system, Before());
    ExpectNotLoaded();
}

TEST_F(SystemFileTest, TheFirstLineDecidesTheFormatAfterSpacesAreStripped)
{
    EXPECT_TRUE(Load("   <KelvaneSystem> \r\n<SystemName>\r\nSpaced\r\n").Ok());
    EXPECT_EQ(app.system.SystemName, "Spaced");
    for (const char* first :
         {"<kelvanesystem>", "\t<KelvaneSystem>", "<KelvaneSystem> x", "", "\n<KelvaneSystem>"}) {
        EXPECT_EQ(Load(std::string(first) + "\r\n<SystemName>\r\nWrong\r\n").outcome,
                  FileOutcome::NotKelvaneFile)
            << first;
        EXPECT_EQ(app.system.SystemName, "Spaced");
    }
}

TEST_F(SystemFileTest, ACrAloneEndsALineAndALoneLfBelongsToTheLine)
{
    ASSERT_TRUE(
        Load("<KelvaneSystem>\r<SystemName>\r\n\nTwo\nLines \r<StarClass>\r15\r\r\n<StarType>\r\n-1").Ok());
    EXPECT_EQ(app.system.SystemName, "\nTwo\nLines");
    EXPECT_EQ(app.system.StarClass, 15);
    EXPECT_EQ(app.system.StarType, -1);
    ExpectLoaded();
}

TEST_F(SystemFileTest, APartialFileChangesOnlyItsItemsAndCountsAsLoaded)
{
    ASSERT_TRUE(Load(Join({"<KelvaneSystem>", "  <SystemName>", "  Lonely", "  </SystemName>"})).Ok());
    StarSystem expected = Before();
    expected.SystemName = "Lonely";
    EXPECT_EQ(app.system, expected);
    ExpectLoaded();

    Reset();
    ASSERT_TRUE(Load(Join({"<KelvaneSystem>", "garbage", "\x01\x02", "<Radius>", "12", "</Orbit>"})).Ok());
    EXPECT_EQ(app.system, Before());
    ExpectLoaded();
}

TEST_F(SystemFileTest, ItemsComeInAnyOrderAndTheLastOfTwoWins)
{
    ASSERT_TRUE(Load(Join({"<KelvaneSystem>", "<InnerLimit>", "0.05", "<SystemName>", "First", "<StarType>",
                           "-255", "<SystemName>", "Second", "<Warning>", "<StarClass>", "10"}))
                    .Ok());
    EXPECT_EQ(app.system.InnerLimit, AU(500));
    EXPECT_EQ(app.system.SystemName, "Second");
    EXPECT_EQ(app.system.StarType, -255);
    EXPECT_EQ(app.system.StarClass, 45); // the line after <Warning> is its value
}

TEST_F(SystemFileTest, TagsAreWholeStrippedLinesAndAValueThatEqualsATagIsAValue)
{
    ASSERT_TRUE(Load(Join({"<KelvaneSystem>",
                           "\t<SystemName>",
                           "Tabbed",
                           "<SystemName> Same line",
                           "Text",
                           "<StarClass >",
                           "10",
                           "< StarType>",
                           "5",
                           "<systemtype>",
                           "3",
                           "    <SystemType>    ",
                           "    -4    ",
                           "\t<StarClass>",
                           "<SystemName>",
                           "</SystemName>",
                           "<Orbit>",
                           "<Elements>",
                           "</Orbit>",
                           "</Orbit>"}))
                    .Ok());
    EXPECT_EQ(app.system.StarClass, 45);
    EXPECT_EQ(app.system.StarType, 255);
    EXPECT_EQ(app.system.SystemType, -4);
    // The value line of the tab-indented <StarClass> is a tag, and so is read.
    EXPECT_EQ(app.system.SystemName, "</SystemName>");
    EXPECT_EQ(app.system.Orbit(1).Elements.View(), "</Orbit>                  ");
}

TEST_F(SystemFileTest, FiveOrbitBlocksFillOrbitsOneToFive)
{
    std::vector<std::string> lines = ExampleLines();
    lines.erase(lines.begin() + 28 + 5 * 29, lines.end() - 1);
    ASSERT_TRUE(Load(Join(lines)).Ok());
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(app.system.Orbit(n), n <= 5 ? ExampleSystem().Orbit(n) : Before().Orbit(n)) << n;
    EXPECT_EQ(app.system.SystemName, "Example System");
}

TEST_F(SystemFileTest, OrbitItemsCountOnlyInsideABlockAndOnlyTheClosingRootTagOutsideEndsTheFile)
{
    ASSERT_TRUE(Load(Join({"<KelvaneSystem>", "<Radius>",         "5",        "<Orbit>",  "<SystemName>",
                           "Inside",          "</KelvaneSystem>", "<Orbit>",  "<Moons>",  "2",
                           "</Orbit>",        "<Orbit>",          "</Orbit>", "<Moons>",  "3",
                           "<Orbit>",         "<PosX>",           "-7",       "</Orbit>", "</KelvaneSystem>",
                           "<Orbit>",         "<Type>",           "x"}))
                    .Ok());
    EXPECT_EQ(app.system.SystemName, "Before");
    EXPECT_EQ(app.system.Orbit(1).Radius, 99);
    EXPECT_EQ(app.system.Orbit(1).Moons, 2);
    EXPECT_EQ(app.system.Orbit(2), Before().Orbit(2));
    EXPECT_EQ(app.system.Orbit(3).PosX, -7);
    EXPECT_EQ(app.system.Orbit(3).Moons, 9);
    EXPECT_EQ(app.system.Orbit(4), Before().Orbit(4));
}

TEST_F(SystemFileTest, AnEleventhOrbitBlockIsHarmlessOnlyWithoutFieldItems)
{
    std::vector<std::string> lines = ExampleLines();
    lines.pop_back();
    std::vector<std::string> harmless = lines;
    harmless.insert(harmless.end(),
                    {"  <Orbit>", "    <Unknown>", "    1", "  </Orbit>", "<Orbit>", "</KelvaneSystem>"});
    ASSERT_TRUE(Load(Join(harmless)).Ok());
    EXPECT_EQ(app.system, ExampleSystem());
    ExpectLoaded();

    Reset();
    lines.insert(lines.end(), {"  <Orbit>", "    <Moons>", "    1", "  </Orbit>", "</KelvaneSystem>"});
    const FileResult result = Load(Join(lines));
    EXPECT_EQ(result.outcome, FileOutcome::BadContent);
    EXPECT_EQ(result.line, 320);
    EXPECT_EQ(result.message, "line 320: <Moons> in orbit block 11, but a system has only ten orbits");
    EXPECT_EQ(app.system, ExampleSystem()); // everything before the error was stored
    ExpectNotLoaded();
}

// ---- Errors ------------------------------------------------------------------------

TEST_F(SystemFileTest, AValueThatIsNotANumberOrDoesNotFitEndsTheLoadAtItsLine)
{
    const struct {
        int line;
        std::string text;
        std::string message;
    } cases[] = {
        {21, "abc", "line 21: 'abc' is not a number (BiozoneMin)"},
        {21, "   ", "line 21: an empty line is not a number (BiozoneMin)"},
        {21, "\t0.6", "line 21: '\\x090.6' is not a number (BiozoneMin)"},
        {21, std::string(100, 'x'),
         "line 21: '" + std::string(40, 'x') + "...' is not a number (BiozoneMin)"},
        {12, "1.5", "line 12: '1.5' is not a whole number (SystemType)"},
        {12, "+1", "line 12: '+1' is not a number (SystemType)"},
        {12, "1e3", "line 12: '1e3' is not a number (SystemType)"},
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
    for (const auto& bad : cases) {
        Reset();
        std::vector<std::string> lines = ExampleLines();
        lines[static_cast<std::size_t>(bad.line - 1)] = bad.text;
        const FileResult result = Load(Join(lines));
        EXPECT_EQ(result.outcome, FileOutcome::BadContent) << bad.message;
        EXPECT_EQ(result.line, bad.line) << bad.message;
        EXPECT_EQ(result.message, bad.message);
        // Stored before the error: the name; not reached: the last orbit.
        EXPECT_EQ(app.system.SystemName, "Example System") << bad.message;
        EXPECT_EQ(app.system.Orbit(10), Before().Orbit(10)) << bad.message;
        ExpectNotLoaded();
    }
}

TEST_F(SystemFileTest, AnErrorKeepsExactlyTheFieldsStoredBeforeIt)
{
    std::vector<std::string> lines = ExampleLines();
    lines[33] = "40000";
    ASSERT_EQ(Load(Join(lines)).outcome, FileOutcome::BadContent);
    StarSystem expected = ExampleSystem();
    expected.Orbits = Before().Orbits;
    expected.Orbit(1).Type = 0; // line 31, the one orbit field before line 34
    EXPECT_EQ(app.system, expected);
}

TEST_F(SystemFileTest, ATagWithoutItsValueLineAtTheEndIsAnError)
{
    std::vector<std::string> lines = ExampleLines();
    lines.resize(14);
    FileResult result = Load(Join(lines));
    EXPECT_EQ(result.message, "line 14: <StarClass> has no value line; the file ends there");
    EXPECT_EQ(result.line, 14);
    EXPECT_EQ(app.system.SystemType, 1); // stored before
    EXPECT_EQ(app.system.StarClass, 45);
    ExpectNotLoaded();

    EXPECT_EQ(Load("<KelvaneSystem>\r\n<Orbit>\r\n    <PosYArc>   ").message,
              "line 3: <PosYArc> has no value line; the file ends there");
    EXPECT_EQ(Load("<KelvaneSystem>\r\n<Warning>\r\n").message,
              "line 2: <Warning> has no value line; the file ends there");
    // An empty last line is a line.
    EXPECT_TRUE(Load("<KelvaneSystem>\r\n<SystemName>\r\n\r\n").Ok());
    EXPECT_EQ(app.system.SystemName, "");
}

TEST_F(SystemFileTest, AFileThatCannotBeReadOrIsEmptyChangesNothing)
{
    const auto expect = [this](const std::string& file, FileOutcome outcome, const std::string& message) {
        const FileResult result = LoadSystemFile(app, file, '.');
        EXPECT_EQ(result.outcome, outcome) << file;
        EXPECT_EQ(result.message, message) << file;
    };
    expect(folder / "missing.KVN", FileOutcome::CannotAccess, "No such file or directory");
    expect(folder.Path().string(), FileOutcome::CannotAccess, "Is a directory");
    WriteBytes(folder / "empty.KVN", "");
    expect(folder / "empty.KVN", FileOutcome::BadContent, "the file is empty");
    // Neither a device that never ends nor a pipe without a writer may hang.
    expect("/dev/zero", FileOutcome::CannotAccess,
           "the file is larger than 64 MiB, too large for a system file");
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    expect(folder / "pipe", FileOutcome::BadContent, "the file is empty");
    EXPECT_EQ(app.system, Before());
    ExpectNotLoaded();
}

// ---- Saving --------------------------------------------------------------------------

TEST_F(SystemFileTest, SavingReplacesTheWholeOldFile)
{
    const std::string target = folder / "system.KVN";
    WriteBytes(target, std::string(20000, 'o'));
    ASSERT_TRUE(SaveSystemFile(ExampleSystem(), target, '.').Ok());
    EXPECT_EQ(ReadBytes(target), ReadBytes(ExamplePath));
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"system.KVN"});
}

TEST_F(SystemFileTest, AFailedSaveReportsWhyAndLeavesTheOldFile)
{
    FileResult result = SaveSystemFile(ExampleSystem(), "/dev/full", '.');
    EXPECT_EQ(result.outcome, FileOutcome::CannotAccess);
    EXPECT_EQ(result.message, "No space left on device");

    const std::string target = folder / "system.KVN";
    WriteBytes(target, "old system");
    {
        FileSizeLimit limit(1000); // the disk fills up part way
        ASSERT_TRUE(limit.Set());
        result = SaveSystemFile(ExampleSystem(), target, '.');
    }
    EXPECT_EQ(result.outcome, FileOutcome::CannotAccess);
    EXPECT_EQ(result.message, "File too large");
    EXPECT_EQ(ReadBytes(target), "old system");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"system.KVN"});
}

} // namespace
} // namespace kelvane
