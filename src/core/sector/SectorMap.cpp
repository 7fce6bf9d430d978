#include "core/sector/SectorMap.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/model/Codes.h"

namespace kelvane {

namespace {

// The layout inside a hex, in logical units (a hex is HexGrid::Size, 100,
// from its centre to a corner).
constexpr double Margin = 30;
constexpr Colour OutlineColour = 0x909090;
constexpr Colour NumberColour = 0x505050;
constexpr double NumberBaseline = -58; // from the hex's centre
constexpr double StarOffset = -8;
constexpr double RingRadius = 36;
constexpr Colour RingColour = 0x008000; // dark green
constexpr Colour BeltColour = TypeAsteroids;
constexpr double BeltDotRadius = 5;
constexpr double BeltDots[3][2] = {{47, -22}, {55, -8}, {47, 6}};
constexpr double NameSize = 21;
constexpr double NameBaseline = 62;
constexpr Colour TextColour = 0;
// A hex with notes: a pilcrow at the left of its star.
constexpr char NotesGlyph[] = "\xc2\xb6";
constexpr double NotesSize = 28;
constexpr double NotesX = -52;
constexpr double NotesBaseline = 2;

// The legend: rows of a sample and its text.
constexpr double LegendGap = 40;     // between the grid and the legend
constexpr double LegendRow = 50;     // the height of one row
constexpr double LegendSample = 50;  // the room for a sample, before its text
constexpr double LegendSpacing = 40; // between items on one row
constexpr double LegendTextSize = 21;
constexpr const char* LegendTexts[4] = {"Star in its colour", "Good or Excellent world", "Asteroid belts",
                                        "Notes"};

// About how wide a text of the legend is: half its size per character is a
// fair mean for Arial, whose letters the legend mostly holds.
double EstimatedWidth(const char* text)
{
    return static_cast<double>(std::char_traits<char>::length(text)) * LegendTextSize * 0.52;
}

MapShape Circle(MapShape::Role role, HexNumber hex, double x, double y, double radius, Colour pen,
                double penWidth, std::optional<Colour> fill)
{
    MapShape shape;
    shape.kind = MapShape::Kind::Circle;
    shape.role = role;
    shape.hex = hex;
    shape.x = x;
    shape.y = y;
    shape.size = radius;
    shape.penColor = pen;
    shape.penWidth = penWidth;
    shape.fillColor = fill;
    return shape;
}

MapShape Text(MapShape::Role role, HexNumber hex, double x, double y, double size, Colour colour,
              std::string text, double maxWidth)
{
    MapShape shape;
    shape.kind = MapShape::Kind::Text;
    shape.role = role;
    shape.hex = hex;
    shape.x = x;
    shape.y = y;
    shape.size = size;
    shape.penColor = colour;
    shape.text = std::move(text);
    shape.maxWidth = maxWidth;
    return shape;
}

// How wide a hex is at a height dy above or below its centre.
double HexWidthAt(double dy)
{
    return 2 * (HexGrid::Size - std::fabs(dy) / std::sqrt(3.0));
}

void AddStar(std::vector<MapShape>& shapes, HexNumber hex, double x, double y, const SystemSummary& summary)
{
    shapes.push_back(
        Circle(MapShape::Role::Star, hex, x, y, MapStarRadius(summary.starClass), 0, 1, summary.starType));
    if (summary.bestEnvironment == TypeEnvGood || summary.bestEnvironment == TypeEnvExcellent)
        shapes.push_back(
            Circle(MapShape::Role::GoodWorld, hex, x, y, RingRadius, RingColour, 2, std::nullopt));
}

void AddBelts(std::vector<MapShape>& shapes, HexNumber hex, double x, double y)
{
    for (const auto& [dx, dy] : BeltDots)
        shapes.push_back(
            Circle(MapShape::Role::Belts, hex, x + dx, y + dy, BeltDotRadius, BeltColour, 1, BeltColour));
}

MapShape NotesMark(HexNumber hex, double x, double y)
{
    MapShape mark = Text(MapShape::Role::Notes, hex, x, y, NotesSize, TextColour, NotesGlyph, 0);
    mark.bold = true;
    return mark;
}

// The legend from its top-left corner, its first items of LegendTexts: on one
// row when it fits width, else one item a row. Returns its width and height.
std::pair<double, double> AddLegend(std::vector<MapShape>& shapes, double left, double top, double width,
                                    int items)
{
    double oneRow = -LegendSpacing;
    for (int item = 0; item < items; ++item)
        oneRow += LegendSample + EstimatedWidth(LegendTexts[item]) + LegendSpacing;
    const bool stacked = oneRow > width;
    const HexNumber none{0, 0};
    double x = left;
    double y = top + LegendRow / 2;
    double widest = 0;
    for (int item = 0; item < items; ++item) {
        const double sample = x + LegendSample / 2 - 5;
        switch (item) {
        case 0:
            shapes.push_back(Circle(MapShape::Role::Legend, none, sample, y, 12, 0, 1, StarYellow));
            break;
        case 1:
            shapes.push_back(Circle(MapShape::Role::Legend, none, sample, y, 8, 0, 1, StarYellow));
            shapes.push_back(
                Circle(MapShape::Role::Legend, none, sample, y, 19, RingColour, 2, std::nullopt));
            break;
        case 2:
            for (const auto& [dx, dy] : BeltDots)
                shapes.push_back(Circle(MapShape::Role::Legend, none, sample - 51 + dx, y + 8 + dy,
                                        BeltDotRadius, BeltColour, 1, BeltColour));
            break;
        default: {
            MapShape mark = NotesMark(none, sample, y + NotesSize * 0.35);
            mark.role = MapShape::Role::Legend;
            shapes.push_back(std::move(mark));
        }
        }
        const double end = x + LegendSample + EstimatedWidth(LegendTexts[item]);
        // The room up to the next item, or to the legend's right edge: a
        // painter that shows the text in another language keeps it there.
        const bool lastOnRow = stacked || item + 1 == items;
        const double room =
            lastOnRow ? left + width - (x + LegendSample) : end + LegendSpacing / 2 - (x + LegendSample);
        MapShape text = Text(MapShape::Role::Legend, none, x + LegendSample, y + LegendTextSize * 0.35,
                             LegendTextSize, TextColour, LegendTexts[item], room);
        text.anchor = MapShape::Anchor::Start;
        shapes.push_back(std::move(text));
        widest = std::max(widest, end - left);
        if (stacked) {
            y += LegendRow;
        } else {
            x = end + LegendSpacing;
        }
    }
    return {widest, stacked ? items * LegendRow : LegendRow};
}

} // namespace

double MapStarRadius(std::int16_t starClass)
{
    switch (starClass) {
    case ClassWhiteDwarf: return 10;
    case ClassSubdwarf: return 13;
    case ClassMainSequence: return 17;
    case ClassSubgiant: return 20;
    case ClassGiant: return 23;
    case ClassLargeGiant: return 26;
    case ClassSuperGiant: return 29;
    default: return 17;
    }
}

std::string SectorTitle(const Sector& sector)
{
    const std::size_t count = sector.systems.size();
    return SectorName(sector) + ": " + std::to_string(sector.options.width) + " x " +
           std::to_string(sector.options.height) + " hexes, " + std::to_string(count) +
           (count == 1 ? " system" : " systems");
}

const char* LifeSupportWord(LifeSupportLevel level)
{
    static constexpr const char* words[] = {"Poor", "Average", "Good", "Excellent"};
    return words[std::clamp<int>(static_cast<int>(level), 1, 4) - 1];
}

const char* BiozoneWord(BiozoneWidth width)
{
    static constexpr const char* words[] = {"Normal", "Double", "Triple"};
    return words[std::clamp<int>(static_cast<int>(width), 1, 3) - 1];
}

std::string DensityText(double density)
{
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, density);
    return {text, written.ptr};
}

std::string SectorOptionsText(const SectorOptions& options)
{
    std::string text = "Life Support ";
    text += LifeSupportWord(options.lifeSupport);
    text += ", Bio Zone ";
    text += BiozoneWord(options.biozone);
    text += ", density ";
    text += DensityText(options.density);
    return text;
}

SectorMap DrawSectorMap(const Sector& sector)
{
    SectorMap map;
    map.title = SectorTitle(sector);
    const HexGrid grid = sector.Grid();
    std::vector<MapShape>& shapes = map.shapes;
    shapes.reserve(static_cast<std::size_t>(grid.Width() * grid.Height()) * 2 + sector.systems.size() * 6 +
                   16);

    for (int column = 1; column <= grid.Width(); ++column) {
        for (int row = 1; row <= grid.Height(); ++row) {
            const HexNumber hex{column, row};
            const SurfacePoint centre = grid.Centre(hex);
            MapShape outline;
            outline.kind = MapShape::Kind::Hexagon;
            outline.role = MapShape::Role::HexOutline;
            outline.hex = hex;
            outline.x = centre.X;
            outline.y = centre.Y;
            outline.size = HexGrid::Size;
            outline.penColor = OutlineColour;
            shapes.push_back(std::move(outline));
        }
    }

    auto next = sector.systems.begin();
    const double nameWidth = HexWidthAt(NameBaseline + NameSize * 0.25);
    for (int column = 1; column <= grid.Width(); ++column) {
        for (int row = 1; row <= grid.Height(); ++row) {
            const HexNumber hex{column, row};
            const SurfacePoint centre = grid.Centre(hex);
            shapes.push_back(Text(MapShape::Role::HexNumber, hex, centre.X, centre.Y + NumberBaseline,
                                  MapNumberSize, NumberColour, hex.Text(), 0));
            if (!sector.NotesOf(hex).empty())
                shapes.push_back(NotesMark(hex, centre.X + NotesX, centre.Y + NotesBaseline));
            while (next != sector.systems.end() && next->hex < hex)
                ++next;
            if (next == sector.systems.end() || next->hex != hex)
                continue;
            const double starY = centre.Y + StarOffset;
            AddStar(shapes, hex, centre.X, starY, next->summary);
            if (next->summary.belts > 0)
                AddBelts(shapes, hex, centre.X, starY);
            shapes.push_back(Text(MapShape::Role::Name, hex, centre.X, centre.Y + NameBaseline, NameSize,
                                  TextColour, next->name, nameWidth));
        }
    }

    const double gridWidth = grid.BoundsWidth();
    const double gridHeight = grid.BoundsHeight();
    const auto [legendWidth, legendHeight] =
        AddLegend(shapes, 0, gridHeight + LegendGap, gridWidth, sector.notes.empty() ? 3 : 4);
    map.extents = {-Margin, std::max(gridWidth, legendWidth) + 2 * Margin, -Margin,
                   gridHeight + LegendGap + legendHeight + 2 * Margin};
    return map;
}

} // namespace kelvane
