#include <gtest/gtest.h>

#include <string>

#include "cli/SystemWriters.h"
#include "core/model/Codes.h"

namespace kelvane {
namespace {

StarSystem Sample()
{
    StarSystem s;
    s.SystemName = "Vega";
    s.SystemType = 1;
    s.StarClass = ClassMainSequence;
    s.StarType = StarYellow;
    s.BiozoneMin = Distance::FromUnits(7500);
    s.BiozoneMax = Distance::FromUnits(12000);
    for (int n = 1; n <= 10; ++n)
        s.Orbit(n).AU = Distance::FromUnits(125 * n);
    OrbitRecord& planet = s.Orbit(2);
    planet.Type = TypeEnvGood;
    planet.Radius = 7;
    planet.Moons = 0;
    planet.Elements = "AB D";
    planet.PosX = -12;
    planet.PosYArc = 250;
    s.Orbit(3).Type = TypeAsteroids;
    s.Orbit(3).Moons = 4; // left from an earlier planet: not shown
    s.Orbit(4).Type = 12345;
    return s;
}

TEST(CsvWriter, QuotesOnlyFieldsThatNeedIt)
{
    StarSystem s = Sample();
    std::string out;
    AppendCsvRows(out, s, 3);
    const std::string first = out.substr(0, out.find('\n'));
    EXPECT_EQ(first, "3,Vega,25,65535,0.75,1.2,0,1,0,0,0,                          ,0.0125,0,0,0,0");
    EXPECT_NE(
        out.find(
            "\n3,Vega,25,65535,0.75,1.2,0,2,16776960,7,0,AB D                      ,0.025,-12,0,0,250\n"),
        std::string::npos);

    s.SystemName = "Sol, \"the\" Sun\r\n";
    out.clear();
    AppendCsvRows(out, s, 1);
    EXPECT_EQ(out.substr(0, 26), "1,\"Sol, \"\"the\"\" Sun\r\n\",25,");
}

TEST(JsonWriter, EscapesNamesAndNamesContents)
{
    StarSystem s = Sample();
    s.SystemName = std::string("Caf\xc3\xa9 \"A\\B\"\t\x01 \xe9\xff", 16);
    std::string out;
    AppendJson(out, s, 0);
    EXPECT_NE(out.find(R"("name": "Café \"A\\B\"\t\u0001 \u00e9\u00ff",)"), std::string::npos) << out;
    EXPECT_NE(out.find(R"("biozoneMin": 0.75,)"), std::string::npos);
    EXPECT_NE(
        out.find(
            R"({"orbit": 2, "contents": "planet", "environment": "Good", "type": 16776960, "radius": 7, )"
            R"("moons": 0, "elements": "AB D                      ", "au": 0.025, "posX": -12, )"
            R"("posY": 0, "posXArc": 0, "posYArc": 250},)"),
        std::string::npos)
        << out;
    EXPECT_NE(out.find(R"({"orbit": 3, "contents": "asteroids", "environment": null,)"), std::string::npos);
    EXPECT_NE(out.find(R"({"orbit": 4, "contents": "unknown", "environment": null, "type": 12345,)"),
              std::string::npos);
    EXPECT_EQ(out.back(), '}');
}

TEST(TextWriter, ReadsLikeTheInformationWindow)
{
    std::string out;
    AppendText(out, Sample(), ',');
    EXPECT_EQ(out.substr(0, out.find("\n\n")), "System Name     Vega\n"
                                               "Star Type       Yellow (G)\n"
                                               "Star Class      Main Sequence (V)\n"
                                               "Habitable Zone   .75 to  1.2 AUs");
    EXPECT_NE(out.find("\n    2  Planet     Good             0      0,0  AB D\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\n    3  Asteroids                          0,0\n"), std::string::npos) << out;
    EXPECT_NE(out.find("\n    4                                     0,1\n"), std::string::npos) << out;
}

} // namespace
} // namespace kelvane
