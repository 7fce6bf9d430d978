#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "core/export/SystemJsonReader.h"
#include "core/export/SystemWriters.h"
#include "core/files/SystemFile.h"
#include "core/model/Codes.h"
#include "core/model/SystemCode.h"

namespace kelvane {
namespace {

std::string Golden(const std::string& name)
{
    return test::ReadBytes(KELVANE_TEST_DATA "/golden/" + name);
}

// A generated system's JSON, as new writes it.
std::string SampleJson()
{
    const SystemCode code = BatchSystemCode(5, 1, LifeSupportLevel::Average, BiozoneWidth::Normal);
    std::string out;
    AppendJson(out, RegenerateSystem(code), EncodeSystemCode(code), 0);
    return out;
}

// The sample with the first match of pattern replaced, which must exist.
std::string Edited(const std::string& pattern, const std::string& replacement)
{
    const std::string json = SampleJson();
    const std::regex re(pattern);
    EXPECT_TRUE(std::regex_search(json, re)) << pattern;
    return std::regex_replace(json, re, replacement, std::regex_constants::format_first_only);
}

TEST(SystemJsonReader, EveryGoldenSystemComesBackFromItsFieldsAloneAsItsCodeMakesIt)
{
    for (const char* name : {"seed1-ls2-bz1.json", "seed42-ls4-bz2.json"}) {
        SCOPED_TRACE(name);
        const std::string json = Golden(name);
        // Without their codes, so that the fields must carry every byte.
        const std::string stripped =
            std::regex_replace(json, std::regex(R"("code": "[^"]*")"), R"("code": null)");
        std::vector<StarSystem> systems;
        Message error;
        ASSERT_TRUE(ReadSystemJsonList(stripped, systems, error)) << English(error);
        std::smatch codes;
        std::size_t i = 0;
        for (auto it = json.cbegin();
             std::regex_search(it, json.cend(), codes, std::regex(R"~("code": "([^"]*)")~"));
             it = codes[0].second, ++i) {
            ASSERT_LT(i, systems.size());
            EXPECT_EQ(systems[i], RegenerateSystem(*DecodeSystemCode(codes[1].str()))) << i;
        }
        EXPECT_EQ(i, systems.size());
    }
    // The first of seed 1's run is the stored system file, read as Load reads it.
    StarSystem fromFile;
    ASSERT_TRUE(ReadSystemFileBytes(Golden("seed1-ls2-bz1.KVN"), fromFile, '.').Ok());
    std::vector<StarSystem> systems;
    Message error;
    ASSERT_TRUE(ReadSystemJsonList(Golden("seed1-ls2-bz1.json"), systems, error)) << English(error);
    EXPECT_EQ(systems.front(), fromFile);
}

TEST(SystemJsonReader, EditsComeBackOverTheCodesSystem)
{
    const std::string edited = Edited(R"("name": "[^"]*")", R"("name": "Tau \"Ceti\"\n")");
    StarSystem system;
    Message error;
    ASSERT_TRUE(ReadSystemJson(edited, system, error)) << English(error);
    EXPECT_EQ(system.SystemName, "Tau \"Ceti\"\n");

    // Only the code and a name: the rest is the code's system.
    const SystemCode code = BatchSystemCode(5, 1, LifeSupportLevel::Average, BiozoneWidth::Normal);
    ASSERT_TRUE(ReadSystemJson(
        R"({"code": ")" + EncodeSystemCode(code) + R"(", "name": "Mine", "systemType": 3})", system, error))
        << English(error);
    StarSystem expected = RegenerateSystem(code);
    expected.SystemName = "Mine";
    expected.SystemType = 3;
    EXPECT_EQ(system, expected);

    // Star fields that differ from the code's win; elements shorter than 26 are padded.
    ASSERT_TRUE(ReadSystemJson(Edited(R"("starClass": \d+,\s*"starClassName": "[^"]*")",
                                      R"~("starClass": 45, "starClassName": "Giant (III)")~"),
                               system, error))
        << English(error);
    EXPECT_EQ(system.StarClass, ClassGiant);
    ASSERT_TRUE(ReadSystemJson(
        Edited(R"("elements": "[^"]*", "au": [0-9.]+)", R"("elements": "AB", "au": 0.0125)"), system, error))
        << English(error);
    EXPECT_EQ(system.Orbit(1).Elements.View(), "AB" + std::string(24, ' '));
    EXPECT_EQ(system.Orbit(1).AU, Distance::FromUnits(125));
}

TEST(SystemJsonReader, ContentsAndEnvironmentWinOverTypeAndSaySo)
{
    struct Case {
        std::string words, type;
        std::int32_t expected;
        bool noted;
    };
    const Case cases[] = {
        {R"("contents": "planet", "environment": "Good")", "255", TypeEnvGood, true},
        {R"("contents": "asteroids", "environment": null)", "65535", TypeAsteroids, true},
        {R"("contents": "nothing", "environment": null)", "16512", TypeNothing, true},
        {R"("environment": "Poor")", "0", TypeEnvPoor, true},
        {R"("contents": "planet", "environment": null)", "65280", TypeEnvAverage, false},
        {R"("contents": "unknown", "environment": null)", "12345", 12345, false},
        {R"("contents": "planet", "environment": "Hostile")", "255", TypeEnvHostile, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words);
        const std::string json = R"({"orbits": [{"orbit": 1, )" + c.words + R"(, "type": )" + c.type + "}" +
                                 R"(,{},{},{},{},{},{},{},{},{}]})";
        StarSystem system;
        Message error;
        std::vector<std::string> notes;
        ASSERT_TRUE(ReadSystemJson(json, system, error, &notes)) << English(error);
        EXPECT_EQ(system.Orbit(1).Type, c.expected);
        EXPECT_EQ(notes, c.noted ? std::vector<std::string>{"orbits[0].type: " + c.type +
                                                            " does not agree with contents and environment; "
                                                            "they win: " +
                                                            std::to_string(c.expected)}
                                 : std::vector<std::string>{});
    }
}

TEST(SystemJsonReader, RefusalsNameTheFieldsPathAndTheReason)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {Edited(R"("environment": "[A-Za-z]+")", R"("environment": "Lush")"),
         R"(orbits\[\d\].environment: "Lush" is not one of None, Hostile, Poor, Average, Good, Excellent)"},
        {Edited(R"("contents": "nothing", "environment": null)",
                R"("contents": "nothing", "environment": "Good")"),
         R"(orbits\[\d\].environment: "Good" is given, but only a planet has an environment)"},
        {Edited(R"("contents": "nothing", "environment": null, "type": 0)",
                R"("contents": "planet", "environment": null, "type": 0)"),
         R"(orbits\[\d\].environment: a planet needs one of None, Hostile, Poor, Average, Good, Excellent)"},
        {Edited(R"("contents": "nothing")", R"("contents": "moon")"),
         R"(orbits\[\d\].contents: "moon" is not one of nothing, asteroids, planet, unknown)"},
        {Edited(R"("contents": "nothing", "environment": null, "type": 0)",
                R"("contents": "unknown", "environment": null, "type": 0)"),
         R"(orbits\[\d\].contents: "unknown", but type 0 is "nothing")"},
        {Edited(R"("moons": \d+)", R"("moons": 1.5)"),
         R"(orbits\[0\].moons: 1.5 is not a whole number from -32768 to 32767)"},
        {Edited(R"("radius": \d+)", R"("radius": 40000)"),
         R"(orbits\[0\].radius: 40000 is not a whole number from -32768 to 32767)"},
        {Edited(R"("au": [0-9.]+)", R"("au": "far")"),
         R"(orbits\[0\].au: expected a number, found a string)"},
        {Edited(R"("au": [0-9.]+)", R"("au": 0.00001)"),
         R"(orbits\[0\].au: 0.00001 is not a distance in AUs with at most four decimals)"},
        {Edited(R"("biozoneMin": [0-9.]+)", R"("biozoneMin": 1e2)"),
         R"(biozoneMin: 1e2 is not a distance in AUs with at most four decimals)"},
        {Edited(R"("elements": "[^"]*")", R"("elements": "AXC")"),
         R"(orbits\[0\].elements: position 2 holds "X", not B or a space)"},
        {Edited(R"("elements": "[^"]*")", R"("elements": ")" + std::string(27, ' ') + "\""),
         R"(orbits\[0\].elements: has 27 characters; at most 26)"},
        {Edited(R"("orbit": 3)", R"("orbit": 4)"), R"(orbits\[2\].orbit: 4 stands in the place of orbit 3)"},
        {Edited(R"("posX": 0)", R"("posx": 0)"), R"(orbits\[\d\].posx: is not a field of an orbit)"},
        {Edited(R"("name": "[^"]*")", R"("name": "A\rB")"),
         R"(name: holds a carriage return, which a system file cannot keep)"},
        {Edited(R"("name": "[^"]*")", R"("name": null)"), R"(name: expected a string, found null)"},
        {Edited(R"("code": "[^"]*")", R"("code": "ZZZZ")"), R"(code: "ZZZZ" is not a system code: .+)"},
        {Edited(R"("starClassName": "[^"]*")", R"("starClassName": "Dwarf")"),
         R"(starClassName: "Dwarf" is not the name of a star class)"},
        {Edited(R"("starTypeName": "[^"]*")", R"~("starTypeName": "Green (X)")~"),
         R"~(starTypeName: "Green \(X\)" is not the name of a star type of "Main Sequence \(V\)")~"},
        {Edited(R"("innerLimit")", R"("colour": 1, "innerLimit")"), R"(colour: is not a field of a system)"},
        {Edited(R"(,\n +\{"orbit": 10[^\n]*)", ""), R"(orbits: holds 9 orbits; a system has 10)"},
        {"[" + SampleJson() + ", 7]", R"(\[1\]: expected an object, found a number)"},
        {"[]", R"(the array holds no system)"},
        {"[" + SampleJson() + "," + SampleJson() + "]",
         R"(the array holds 2 systems; only one can be read here)"},
        {"{\"name\": }", R"(line 1, column 10: .+)"},
    };
    for (const auto& [json, expected] : cases) {
        SCOPED_TRACE(expected);
        StarSystem system;
        system.SystemName = "untouched";
        Message error;
        EXPECT_FALSE(ReadSystemJson(json, system, error));
        EXPECT_TRUE(std::regex_match(English(error), std::regex(expected))) << English(error);
        EXPECT_EQ(system.SystemName, "untouched");
    }
}

TEST(SystemJsonReader, OnlyASystemsKeysMakeSystemJson)
{
    for (const std::string& text : {" \n" + SampleJson(), std::string("[{\"starClass\": 25}]")})
        EXPECT_TRUE(IsSystemJsonText(text)) << text;
    for (const char* text : {R"({"kelvaneSector": 2, "orbits": []})", R"({"name": "x"})", "[]",
                             R"({"orbits": [})", "<KelvaneSystem>\r\n"})
        EXPECT_FALSE(IsSystemJsonText(text)) << text;
}

} // namespace
} // namespace kelvane
