#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <regex>
#include <tuple>

#include "core/model/Codes.h"
#include "core/sector/SectorGeneration.h"
#include "core/sector/SectorMap.h"
#include "core/sector/SectorMapSvg.h"

namespace kelvane {
namespace {

using Role = MapShape::Role;

long Count(const std::string& text, const std::string& pattern)
{
    const std::regex regex(pattern);
    return std::distance(std::sregex_iterator(text.begin(), text.end(), regex), {});
}

TEST(SectorMap, EachHexHasItsOutlineAndNumberAndEachSystemItsStarMarksAndName)
{
    Sector sector = GenerateSector({31, 9, 7, 0.6, LifeSupportLevel{4}, BiozoneWidth{3}});
    // Make sure every kind of hex is there: one with a Good world and belts,
    // one with an Excellent world, one with neither.
    ASSERT_GE(sector.systems.size(), 3u);
    for (const auto& [i, best, belts] :
         {std::tuple{0, TypeEnvGood, 2}, {1, TypeEnvExcellent, 0}, {2, TypeEnvAverage, 0}})
        std::tie(sector.systems[i].summary.bestEnvironment, sector.systems[i].summary.belts) =
            std::tuple(best, belts);
    const SectorMap map = DrawSectorMap(sector);

    std::map<std::pair<HexNumber, Role>, std::vector<const MapShape*>> found;
    for (const MapShape& shape : map.shapes)
        found[{shape.hex, shape.role}].push_back(&shape);
    const auto shapes = [&](HexNumber hex, Role role) { return found[{hex, role}]; };

    const HexGrid grid = sector.Grid();
    for (int column = 1; column <= 9; ++column) {
        for (int row = 1; row <= 7; ++row) {
            const HexNumber hex{column, row};
            ASSERT_EQ(shapes(hex, Role::HexOutline).size(), 1u);
            EXPECT_EQ(shapes(hex, Role::HexOutline)[0]->x, grid.Centre(hex).X);
            ASSERT_EQ(shapes(hex, Role::HexNumber).size(), 1u);
            EXPECT_EQ(shapes(hex, Role::HexNumber)[0]->text, hex.Text());

            const SectorSystem* system = sector.At(hex);
            const std::size_t occupied = system != nullptr ? 1 : 0;
            EXPECT_EQ(shapes(hex, Role::Star).size(), occupied) << hex.Text();
            EXPECT_EQ(shapes(hex, Role::Name).size(), occupied) << hex.Text();
            if (system == nullptr) {
                EXPECT_TRUE(shapes(hex, Role::GoodWorld).empty() && shapes(hex, Role::Belts).empty());
                continue;
            }
            const MapShape& star = *shapes(hex, Role::Star)[0];
            EXPECT_EQ(star.fillColor, system->summary.starType);
            EXPECT_EQ(star.size, MapStarRadius(system->summary.starClass));
            EXPECT_EQ(shapes(hex, Role::Name)[0]->text, system->name);
            const bool good = system->summary.bestEnvironment == TypeEnvGood ||
                              system->summary.bestEnvironment == TypeEnvExcellent;
            EXPECT_EQ(shapes(hex, Role::GoodWorld).size(), good ? 1u : 0u) << hex.Text();
            EXPECT_EQ(shapes(hex, Role::Belts).size(), system->summary.belts > 0 ? 3u : 0u) << hex.Text();
        }
    }
    // Nothing else but the legend: three samples' shapes and their texts.
    std::size_t perHex = 0;
    for (const auto& [key, list] : found)
        if (key.second != Role::Legend)
            perHex += list.size();
    EXPECT_EQ(map.shapes.size() - perHex, 1 + 2 + 3 + 3u);
    // The marks differ in shape, not only in colour: a ring, dots, a disc.
    const MapShape& ring = *shapes(sector.systems[0].hex, Role::GoodWorld)[0];
    const MapShape& dot = *shapes(sector.systems[0].hex, Role::Belts)[0];
    const MapShape& star = *shapes(sector.systems[0].hex, Role::Star)[0];
    EXPECT_FALSE(ring.fillColor);
    EXPECT_GT(ring.size, MapStarRadius(ClassSuperGiant));
    EXPECT_TRUE(dot.fillColor && star.fillColor);

    // Every shape lies inside the map's extents.
    for (const MapShape& shape : map.shapes) {
        const double reach = shape.kind == MapShape::Kind::Text ? 0 : shape.size;
        const auto& [left, width, top, height] = map.extents;
        EXPECT_TRUE(shape.x - reach >= left && shape.x + reach <= left + width && shape.y - reach >= top &&
                    shape.y + reach <= top + height)
            << shape.x << ", " << shape.y;
    }
    // A map one hex wide widens for its legend, stacked one item a row.
    const SectorMap narrow =
        DrawSectorMap(GenerateSector({1, 1, 2, 1, LifeSupportLevel{2}, BiozoneWidth{1}}));
    EXPECT_GT(narrow.extents.Width, HexGrid(1, 2).BoundsWidth() + 60);
}

TEST(SectorMap, SvgHasOneElementPerShapeAndTheSameBytesEveryTime)
{
    Sector sector = GenerateSector({8, 8, 10, 0.5, LifeSupportLevel{2}, BiozoneWidth{1}});
    sector.systems[0].name = "<Vega & Co>";
    const SectorMap map = DrawSectorMap(sector);
    const std::string svg = SectorMapSvg(map);
    EXPECT_EQ(SectorMapSvg(DrawSectorMap(sector)), svg);
    EXPECT_TRUE(
        std::regex_search(svg, std::regex("^<\\?xml[^\n]*\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                          "width=\"655\" height=\"[0-9.]+\" viewBox=[^\n]*\n<title>Sector "
                                          "8: 8 x 10 hexes, [0-9]+ systems</title>\n<rect [^\n]*/>\n")))
        << svg.substr(0, 400);
    EXPECT_EQ(Count(svg, "<polygon "), 80);
    const auto shapes = [&map](MapShape::Kind kind) {
        return std::count_if(map.shapes.begin(), map.shapes.end(),
                             [kind](const MapShape& shape) { return shape.kind == kind; });
    };
    EXPECT_EQ(Count(svg, "<circle "), shapes(MapShape::Kind::Circle));
    EXPECT_EQ(Count(svg, "<text [^>]*>[^<]*</text>\n"), shapes(MapShape::Kind::Text));
    EXPECT_EQ(Count(svg, "\n"), 4 + static_cast<long>(map.shapes.size()) + 1);
    EXPECT_NE(svg.find(">&lt;Vega &amp; Co&gt;</text>"), std::string::npos);
    // 0101's outline: a hex 100 pixels across from its corner at the left
    // margin (15 pixels), flat at the top.
    EXPECT_NE(
        svg.find("<polygon points=\"115,58.301 90,101.603 40,101.603 15,58.301 40,15 90,15\" fill=\"none\" "
                 "stroke=\"#909090\" stroke-width=\"1\"/>"),
        std::string::npos);
    EXPECT_EQ(SectorMapSvg(map, 1).find("width=\"1310\""), svg.find("width=\"655\"")); // twice the scale
}

} // namespace
} // namespace kelvane
