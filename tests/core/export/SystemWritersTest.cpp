#include <gtest/gtest.h>

#include <string>

#include "core/export/SystemCsv.h"
#include "core/export/SystemWriters.h"
#include "core/model/Codes.h"

namespace kelvane {
namespace {

// A yellow dwarf: a good planet in orbit 2, asteroids in orbit 3, a type no program writes in orbit 4.
StarSystem Sample()
{
    StarSystem s;
    s.SystemName = "Vega";
    s.StarClass = ClassMainSequence;
    s.StarType = StarYellow;
    s.BiozoneMin = Distance::FromUnits(7500);
    s.BiozoneMax = Distance::FromUnits(12000);
    s.Orbit(2) = {TypeEnvGood, 7, 0, ElementText("AB D"), Distance::FromUnits(250), -12, 0, 0, 250};
    s.Orbit(3).Type = TypeAsteroids;
    s.Orbit(3).Moons = 4; // left from an earlier planet: not shown
    s.Orbit(4).Type = 12345;
    return s;
}

TEST(SystemWriters, CsvQuotesOnlyFieldsThatNeedIt)
{
    // The columns of generated systems are the golden files'; here a name
    // that needs quotes.
    StarSystem s = Sample();
    s.SystemName = "Sol, \"the\" Sun\r\n";
    s.Orbit(1).Elements = "A,\"B\"";
    std::string out;
    AppendCsvRows(out, s, 1, ""); // a loaded system: no code, an empty last column
    EXPECT_TRUE(out.starts_with("1,\"Sol, \"\"the\"\" Sun\r\n\",25,65535,0.75,1.2,0,1,0,0,0,\"A,\"\"B\"\"" +
                                std::string(21, ' ') + "\",0,0,0,0,0,\n"))
        << out;
}

TEST(SystemWriters, JsonEscapesNamesAndNamesContents)
{
    StarSystem s = Sample();
    s.SystemName = std::string("Caf\xc3\xa9 \"A\\B\"\t\x01 \xe9\xff", 16);
    std::string out;
    AppendJson(out, s, "", 0);
    EXPECT_NE(out.find(R"("name": "Café \"A\\B\"\t\u0001 \u00e9\u00ff",
  "code": null,
  "systemType")"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find(R"({"orbit": 2, "contents": "planet", "environment": "Good", "type": 16776960, )"
                       R"("radius": 7, "moons": 0, "elements": "AB D                      ", "au": 0.025, )"
                       R"("posX": -12, "posY": 0, "posXArc": 0, "posYArc": 250},)"),
              std::string::npos);
    EXPECT_NE(out.find(R"({"orbit": 3, "contents": "asteroids", "environment": null,)"), std::string::npos);
    EXPECT_NE(out.find(R"({"orbit": 4, "contents": "unknown", "environment": null, "type": 12345,)"),
              std::string::npos);
}

TEST(SystemWriters, TextReadsLikeTheInformationWindow)
{
    std::string out;
    AppendText(out, Sample(), "4G3G-6FVE", ',');
    EXPECT_EQ(out.substr(0, out.find("\n\n")), "System Name     Vega\n"
                                               "System Code     4G3G-6FVE\n"
                                               "Star Type       Yellow (G)\n"
                                               "Star Class      Main Sequence (V)\n"
                                               "Habitable Zone   .75 to  1.2 AUs");
    EXPECT_NE(out.find("\n    2  Planet     Good             0      0,0  AB D\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\n    3  Asteroids                          0,0\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\n    4                                     0,0\n"), std::string::npos) << out;

    // Nothing in a file may drive the terminal: control characters show as
    // \xNN, single bytes and UTF-8 alike; other characters stay.
    StarSystem s = Sample();
    s.SystemName = "Evil\x1b[2J\x07\tname\x7f \xc2\x9b \x9b Caf\xc3\xa9 Caf\xe9";
    s.Orbit(2).Elements = "AB\x1b"
                          "D";
    out.clear();
    AppendText(out, s, "", '.');
    EXPECT_EQ(out.find("System Code"), std::string::npos);
    EXPECT_NE(
        out.find("System Name     Evil\\x1B[2J\\x07\\x09name\\x7F \\xC2\\x9B \\x9B Caf\xc3\xa9 Caf\xe9\n"),
        std::string::npos)
        << out;
    EXPECT_NE(out.find("0.0  AB\\x1BD\n"), std::string::npos) << out;
}

TEST(SystemWriters, MarkdownIsTheTableToPaste)
{
    StarSystem s = Sample();
    s.SystemName = "Vega | *B* #2";
    s.Orbit(1).Elements = "ABC"; // an empty orbit shows no letters
    s.Orbit(3).Elements = "A  D";
    std::string out;
    AppendMarkdown(out, s, "4G3G-6FVE", ',');
    EXPECT_EQ(out, "# Vega \\| \\*B\\* #2\n"
                   "\n"
                   "| Star Type | Yellow (G) |\n"
                   "|---|---|\n"
                   "| Star Class | Main Sequence (V) |\n"
                   "| Habitable Zone |  .75 to  1.2 AUs |\n"
                   "| System Code | 4G3G-6FVE |\n"
                   "\n"
                   "| Orbit | Contains | Environment | Moons | AUs | Elements |\n"
                   "|---:|---|---|---:|---:|---|\n"
                   "| 1 |  |  |  | 0,0 |  |\n"
                   "| 2 | Planet | Good | 0 | 0,0 | `AB D` |\n"
                   "| 3 | Asteroids |  |  | 0,0 | `A  D` |\n"
                   "| 4 |  |  |  | 0,0 |  |\n"
                   "| 5 |  |  |  | 0,0 |  |\n"
                   "| 6 |  |  |  | 0,0 |  |\n"
                   "| 7 |  |  |  | 0,0 |  |\n"
                   "| 8 |  |  |  | 0,0 |  |\n"
                   "| 9 |  |  |  | 0,0 |  |\n"
                   "| 10 |  |  |  | 0,0 |  |\n");
    // No code, no line for it; no name, the name the report gives it.
    s.SystemName.clear();
    out.clear();
    AppendMarkdown(out, s, "", '.');
    EXPECT_TRUE(out.starts_with("# Unnamed System\n")) << out;
    EXPECT_EQ(out.find("System Code"), std::string::npos);
}

// CSV as its rule says: a field is quoted when it holds a comma, a quote, CR
// or LF, wherever in the field it stands, and its quotes are doubled.
std::string CsvField(const std::string& field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (char c : field)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

TEST(SystemWriters, CsvQuotesElementsWhereverTheCharacterStands)
{
    StarSystem s = Sample();
    // Bytes one bit away from the special ones need no quotes: ,"\r\n less
    // or more one, and with the high bit set.
    const std::string plain = std::string("+-!#\x0c\x0e\x09\x0b") + "\xac\xa2\x8d\x8a" + "AZ";
    for (const char special : {',', '"', '\r', '\n'}) {
        for (int position = 1; position <= 26; ++position) {
            std::string elements(26, ' ');
            for (std::size_t i = 0; i < plain.size(); ++i)
                elements[(static_cast<std::size_t>(position) + 3 * i) % 26] = plain[i];
            elements[static_cast<std::size_t>(position - 1)] = special;
            s.Orbit(position % 10 + 1).Elements = elements;
            std::string out = "\n";
            AppendCsvRows(out, s, 1, "");
            const std::string row = "\n1,Vega,25,65535,0.75,1.2,0," + std::to_string(position % 10 + 1) + ",";
            const std::size_t at = out.find(row);
            ASSERT_NE(at, std::string::npos) << out;
            // After the type, the radius and the moons.
            const std::size_t field =
                out.find(',', out.find(',', out.find(',', at + row.size()) + 1) + 1) + 1;
            EXPECT_EQ(out.compare(field, CsvField(elements).size() + 1, CsvField(elements) + ","), 0)
                << int(special) << " at " << position << ": " << out.substr(field, 60);
            s.Orbit(position % 10 + 1).Elements = "";
        }
    }
    // Plain bytes alone: no quotes anywhere.
    s.Orbit(3).Elements = plain;
    std::string out;
    AppendCsvRows(out, s, 1, "");
    EXPECT_EQ(out.find('"'), std::string::npos) << out;
}

// Whole numbers as std::to_string writes them, around every change of length
// and at the ends of their types.
TEST(SystemWriters, CsvNumbersAtEveryLengthAndTheEndsOfTheirTypes)
{
    const std::int32_t types[] = {0,         9,     10,     99,       100,       999,
                                  1000,      99999, 100000, 16776960, 999999999, 1000000000,
                                  INT32_MAX, -1,    -10,    -100000,  INT32_MIN};
    const std::int16_t smalls[] = {0,     1,         9,  10, 99,  100, 999,  1000,  9999,
                                   10000, INT16_MAX, -1, -9, -10, -99, -100, -9999, INT16_MIN};
    StarSystem s;
    std::size_t k = 0;
    for (const std::int32_t type : types) {
        for (int n = 1; n <= StarSystem::OrbitCount; ++n, ++k) {
            const std::int16_t a = smalls[k % std::size(smalls)], b = smalls[(k + 5) % std::size(smalls)];
            s.Orbit(n) = {type, a, b, {}, {}, b, a, a, b};
        }
        std::string out;
        AppendCsvRows(out, s, std::uint64_t{18446744073709551615u}, "");
        std::string expected;
        for (int n = 1; n <= StarSystem::OrbitCount; ++n) {
            const OrbitRecord& o = s.Orbit(n);
            for (const auto number : {n, int{type}, int{o.Radius}, int{o.Moons}})
                expected += std::to_string(number) + ',';
            expected += std::string(26, ' ') + ",0,";
            for (const auto number : {o.PosX, o.PosY, o.PosXArc})
                expected += std::to_string(number) + ',';
            expected += std::to_string(o.PosYArc) + ",\n";
        }
        std::string rows;
        for (std::size_t at = 0; at < out.size();) {
            const std::size_t end = out.find('\n', at) + 1;
            const std::string row = out.substr(at, end - at);
            EXPECT_TRUE(row.starts_with("18446744073709551615,,0,0,0,0,0,")) << row;
            rows += row.substr(32);
            at = end;
        }
        EXPECT_EQ(rows, expected);
    }
}

} // namespace
} // namespace kelvane
