#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/drawing/DrawingSurface.h"
#include "core/sector/Sector.h"

namespace kelvane {

// One shape of a sector's map, in the logical units of HexGrid (y growing
// downwards), with the hex it belongs to.
struct MapShape {
    enum class Kind { Hexagon, Circle, Text };
    // What the shape shows, so that a test or a window can find it.
    enum class Role { HexOutline, HexNumber, Star, GoodWorld, Belts, Name, Notes, Legend };
    enum class Anchor { Middle, Start };

    Kind kind = Kind::Circle;
    Role role = Role::Legend;
    HexNumber hex{0, 0}; // 0000 for the legend
    // A hexagon's or circle's centre; a text's anchor point on its baseline.
    double x = 0;
    double y = 0;
    // A hexagon's centre-to-corner size, a circle's radius, a text's font
    // size (the height of its em).
    double size = 0;
    Colour penColor = 0;
    double penWidth = 1; // pixels of a 96 dpi screen; 0 draws no outline
    std::optional<Colour> fillColor;
    // Texts: in "Arial", its colour the pen colour, placed by anchor across.
    std::string text;
    Anchor anchor = Anchor::Middle;
    bool bold = false;
    // The widest a text may be, in logical units; 0 for no limit. A painter
    // that can measure text makes a wider one smaller.
    double maxWidth = 0;
};

// The map of a sector: a white sheet with the hex grid, each hex's number at
// its top, and in each occupied hex its star (a disc in the star's colour,
// larger for larger classes), a ring round the star when a planet's
// environment is Good or Excellent, three dots at its right when it has
// asteroid belts, and its name below; a pilcrow (¶) at the left of any hex,
// occupied or empty, that has notes. A legend under the grid names the marks
// (the notes' only when there are some). The marks differ in shape, so the
// map reads in black and white too. The title begins with the sector's name.
// SVG, the images, the printed book and the window all draw these shapes.
struct SectorMap {
    LogicalExtents extents;
    Colour backColor = 0xFFFFFF;
    std::string title;
    std::vector<MapShape> shapes; // in drawing order: outlines, then hex by hex, then the legend
};

SectorMap DrawSectorMap(const Sector& sector);

// The size of a hex's number, the smallest text of the map, in its logical
// units (a hex is 200 across its corners).
inline constexpr double MapNumberSize = 19;

// The star's radius on the map for a luminosity class.
double MapStarRadius(std::int16_t starClass);

// "Sector 1234: 8 x 10 hexes, 41 systems", the title of a sector's map, with
// the sector's name (SectorName) in front.
std::string SectorTitle(const Sector& sector);

// "Life Support Average, Bio Zone Normal, density 0.5": how the sector's
// systems were made.
std::string SectorOptionsText(const SectorOptions& options);
// The words of that line: the Life Support level's ("Average") and the Bio
// Zone's ("Normal"), out-of-range values clamped; the density as the
// shortest decimal that reads back as it ("0.5").
const char* LifeSupportWord(LifeSupportLevel level);
const char* BiozoneWord(BiozoneWidth width);
std::string DensityText(double density);

} // namespace kelvane
