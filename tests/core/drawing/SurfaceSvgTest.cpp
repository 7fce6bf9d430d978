#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "core/ScriptedRandom.h"
#include "core/drawing/OrbitalDisplay.h"
#include "core/drawing/SurfaceSvg.h"
#include "core/model/RandomSource.h"

namespace kelvane {
namespace {

// The drawing elements in order, each as its tag line.
std::vector<std::string> Elements(const std::string& svg)
{
    static const std::regex element("<(rect|circle|line)\\b[^>]*/>");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element); it != std::sregex_iterator(); ++it)
        found.push_back(it->str());
    return found;
}

TEST(SurfaceSvg, ColoursAreRedGreenBlue)
{
    EXPECT_EQ(SvgColour(0x0000FF), "#ff0000");
    EXPECT_EQ(SvgColour(0x004080), "#804000"); // asteroid brown
    EXPECT_EQ(SvgColour(0xFFFF00), "#00ffff");
    EXPECT_EQ(SvgColour(0x00102030), "#302010");
    EXPECT_EQ(SvgColour(static_cast<Colour>(0x80FFFFFF)), "#ffffff"); // the high byte is not a colour
}

TEST(SurfaceSvg, ShapesInOrderPlacedLikeTheScreen)
{
    DrawingSurface surface;
    surface.SetBackColor(0x336699);
    surface.SetExtents(-500, 1000, -500, 1000);
    surface.SetPenColor(0x0000FF);
    surface.SetFillColor(0x00FF00);
    surface.Circle(100, -120, 10);
    surface.SetFillStyle(FillNone);
    surface.SetPenWidth(2);
    surface.Circle(0, 0, 250);
    surface.SetPenWidth(0.5);
    surface.Line(-500, 0, 500, 0.5);

    const std::string svg = SurfaceSvg(surface, 400, 200);
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"400\" height=\"200\""),
              std::string::npos);
    // The letterbox clip: a 200 x 200 viewport in the middle.
    EXPECT_NE(svg.find("<svg x=\"100\" y=\"0\" width=\"200\" height=\"200\" viewBox=\"100 0 200 200\""),
              std::string::npos);
    const std::vector<std::string> elements = Elements(svg);
    ASSERT_EQ(elements.size(), 4u);
    EXPECT_EQ(elements[0], "<rect x=\"0\" y=\"0\" width=\"400\" height=\"200\" fill=\"#996633\"/>");
    EXPECT_EQ(
        elements[1],
        "<circle cx=\"220\" cy=\"76\" r=\"2\" fill=\"#00ff00\" stroke=\"#ff0000\" stroke-width=\"1\"/>");
    EXPECT_EQ(elements[2],
              "<circle cx=\"200\" cy=\"100\" r=\"50\" fill=\"none\" stroke=\"#ff0000\" stroke-width=\"2\"/>");
    // Fractions survive; a pen thinner than a pixel draws one pixel wide.
    EXPECT_EQ(elements[3],
              "<line x1=\"100\" y1=\"100\" x2=\"300\" y2=\"100.1\" stroke=\"#ff0000\" stroke-width=\"1\"/>");
}

TEST(SurfaceSvg, OneElementPerShapeAndTheBackground)
{
    StarSystem system;
    system.SystemType = 1;
    system.StarClass = ClassGiant;
    system.StarType = StarOrange;
    system.Orbit(3) = {TypeEnvExcellent, 10, 4, {}, {}, 100, -120, 7, 8};
    system.Orbit(5).Type = TypeAsteroids;
    system.Orbit(10).Type = TypeAsteroids;
    for (const std::int16_t style : {OrbitDisplayArced, OrbitDisplayFlat, OrbitDisplayComplete}) {
        AppSettings settings;
        settings.OrbitDisplay = style;
        DrawingSurface surface;
        RandomSource random = RandomSource::Deterministic(1);
        DrawOrbitalDisplay(surface, system, settings, 0, random);
        const std::string svg = SurfaceSvg(surface, 640, 480);
        const std::vector<std::string> elements = Elements(svg);
        ASSERT_EQ(elements.size(), surface.Shapes().size() + 1) << style;
        EXPECT_EQ(elements[0].rfind("<rect", 0), 0u);
        EXPECT_NE(elements[1].find("fill=\"#ff8000\""), std::string::npos) << "the orange star first";
        for (std::size_t i = 0; i < surface.Shapes().size(); ++i) {
            const bool line = surface.Shapes()[i].ShapeKind == Shape::Kind::Line;
            EXPECT_EQ(elements[i + 1].rfind(line ? "<line" : "<circle", 0), 0u) << elements[i + 1];
        }
        EXPECT_TRUE(svg.ends_with("</svg>\n</svg>\n"));
    }
}

} // namespace
} // namespace kelvane
