#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/export/SystemCsv.h"
#include "core/export/SystemWriters.h"
#include "core/model/Codes.h"

namespace kelvane {
namespace {

// A yellow dwarf: a good planet in orbit 2, asteroids in orbit 3, a type no program writes in orbit 4.
StarSystem Sample()
{
    StarSystem s{"Vega", 0, ClassMainSequence, StarYellow, {}, {}, {}, {}};
    s.BiozoneMin = Distance::FromUnits(7500), s.BiozoneMax = Distance::FromUnits(12000);
    s.Orbit(2) = {TypeEnvGood, 7, 0, ElementText("AB D"), Distance::FromUnits(250), -12, 0, 0, 250};
    s.Orbit(3).Type = TypeAsteroids;
    s.Orbit(3).Moons = 4; // left from an earlier planet: not shown
    s.Orbit(4).Type = 12345;
    return s;
}

TEST(SystemWriters, CsvQuotesOnlyFieldsThatNeedItAndEndsRowsWithTheJsonsNames)
{
    // The columns of generated systems are the golden files'; here a name
    // that needs quotes, and each kind of orbit's names.
    StarSystem s = Sample();
    s.SystemName = "Sol \"the\" Sun";
    s.Orbit(1).Elements = "A,\"B\"";
    std::string out;
    AppendCsvRows(out, s, 1, ""); // a loaded system: no code, an empty code column
    EXPECT_TRUE(out.starts_with("1,\"Sol \"\"the\"\" Sun\",25,65535,0.75,1.2,0,1,0,0,0,\"A,\"\"B\"\"" +
                                std::string(21, ' ') +
                                "\",0,0,0,0,0,,Main Sequence (V),Yellow (G),nothing,\n"))
        << out;
    EXPECT_NE(out.find(",250,,Main Sequence (V),Yellow (G),planet,Good\n1,"), std::string::npos) << out;
    EXPECT_NE(out.find(",0,,Main Sequence (V),Yellow (G),asteroids,\n1,\"Sol"), std::string::npos) << out;
    EXPECT_NE(out.find(",0,,Main Sequence (V),Yellow (G),unknown,\n1,\"Sol"), std::string::npos) << out;
}

TEST(SystemWriters, JsonEscapesNamesAndNamesContents)
{
    StarSystem s = Sample();
    s.SystemName = "Caf\xe9 \"A\"";
    std::string out;
    AppendJson(out, s, "", 0);
    EXPECT_NE(out.find(R"("name": "Caf\u00e9 \"A\"",
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

    // Nothing in a file may drive the terminal, in the name or the elements.
    StarSystem s = Sample();
    s.SystemName = "Evil\x1b[2J";
    s.Orbit(2).Elements = "AB\x1b"
                          "D";
    out.clear();
    AppendText(out, s, "", '.');
    EXPECT_EQ(out.find("System Code"), std::string::npos);
    EXPECT_NE(out.find("System Name     Evil\\x1B[2J\n"), std::string::npos) << out;
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

TEST(SystemWriters, CsvWritesNumbersWholeAtTheEndsOfTheirTypes)
{
    StarSystem s{"\n", 0, INT16_MIN, INT32_MAX, {}, {}, {}, {}};
    s.Orbit(1) = {INT32_MIN, INT16_MIN, INT16_MAX, {}, {}, INT16_MIN, INT16_MAX, -1, 0};
    std::string out;
    AppendCsvRows(out, s, UINT64_MAX, "A\rB");
    EXPECT_TRUE(
        out.starts_with("18446744073709551615,\"\n\",-32768,2147483647,0,0,0,1,-2147483648,-32768,32767," +
                        std::string(26, ' ') + ",0,-32768,32767,-1,0,\"A\rB\",,,unknown,\n"))
        << out;
}

} // namespace
} // namespace kelvane
