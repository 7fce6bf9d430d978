#pragma once

#include <array>
#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/drawing/SurfaceMapping.h"

namespace kelvane {

// A hex of a sector by its column and row, both from 1. Its number is the
// two as "CCRR" ("0101" is the top-left hex, "0310" column 3, row 10), and
// hexes sort column by column, the order of their numbers.
struct HexNumber {
    int column = 1;
    int row = 1;

    std::string Text() const;

    // NOLINTNEXTLINE(modernize-use-nullptr): clang-tidy 14 takes the defaulted comparison's 0 for a pointer
    auto operator<=>(const HexNumber&) const = default;
};

// The hex a "CCRR" text names: exactly four digits, column and row from 1.
std::optional<HexNumber> ParseHexNumber(std::string_view text);

// Where the hexes of a sector lie on its map, in logical units with y
// growing downwards and (0, 0) at the top-left corner of the grid's bounds.
//
// Hexes are flat-topped and stand in columns; every even-numbered column is
// half a hex lower than its neighbours, so hex 0201 touches 0101 and 0102.
// Size is the distance from a hex's centre to each of its corners.
class HexGrid {
public:
    static constexpr double Size = 100;

    HexGrid(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Contains(HexNumber hex) const;

    SurfacePoint Centre(HexNumber hex) const;
    // The six corners, the first on the right, going clockwise on screen.
    std::array<SurfacePoint, 6> Corners(HexNumber hex) const;

    // The bounds of all hexes.
    double BoundsWidth() const;
    double BoundsHeight() const;

    // The hex whose area holds the point, exactly: the one with the nearest
    // centre. A point on an edge goes to one of the two hexes. None for a
    // point outside every hex of the grid.
    std::optional<HexNumber> HexAt(double x, double y) const;

    // The hexes of the grid that share an edge with hex, in hex order: up to
    // six, fewer at the grid's border.
    std::vector<HexNumber> Neighbours(HexNumber hex) const;

private:
    int m_width;
    int m_height;
};

} // namespace kelvane
