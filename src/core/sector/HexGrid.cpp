#include "core/sector/HexGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kelvane {

namespace {

const double Sqrt3 = std::sqrt(3.0);
// A hex's height, flat side to flat side.
const double HexHeight = Sqrt3 * HexGrid::Size;

} // namespace

std::string HexNumber::Text() const
{
    std::string text(4, '0');
    if (column < 0 || column > 99 || row < 0 || row > 99)
        return "????";
    text[0] = static_cast<char>('0' + column / 10);
    text[1] = static_cast<char>('0' + column % 10);
    text[2] = static_cast<char>('0' + row / 10);
    text[3] = static_cast<char>('0' + row % 10);
    return text;
}

std::optional<HexNumber> ParseHexNumber(std::string_view text)
{
    if (text.size() != 4)
        return std::nullopt;
    for (const char c : text)
        if (c < '0' || c > '9')
            return std::nullopt;
    const HexNumber hex{(text[0] - '0') * 10 + (text[1] - '0'), (text[2] - '0') * 10 + (text[3] - '0')};
    if (hex.column < 1 || hex.row < 1)
        return std::nullopt;
    return hex;
}

HexGrid::HexGrid(int width, int height) : m_width(width), m_height(height) {}

bool HexGrid::Contains(HexNumber hex) const
{
    return hex.column >= 1 && hex.column <= m_width && hex.row >= 1 && hex.row <= m_height;
}

SurfacePoint HexGrid::Centre(HexNumber hex) const
{
    const double lowered = hex.column % 2 == 0 ? HexHeight / 2 : 0;
    return {Size + 1.5 * Size * (hex.column - 1), HexHeight / 2 + HexHeight * (hex.row - 1) + lowered};
}

std::array<SurfacePoint, 6> HexGrid::Corners(HexNumber hex) const
{
    const SurfacePoint c = Centre(hex);
    const double half = HexHeight / 2;
    return {{{c.X + Size, c.Y},
             {c.X + Size / 2, c.Y + half},
             {c.X - Size / 2, c.Y + half},
             {c.X - Size, c.Y},
             {c.X - Size / 2, c.Y - half},
             {c.X + Size / 2, c.Y - half}}};
}

double HexGrid::BoundsWidth() const
{
    return m_width < 1 ? 0 : Size * (1.5 * m_width + 0.5);
}

double HexGrid::BoundsHeight() const
{
    if (m_width < 1 || m_height < 1)
        return 0;
    return HexHeight * (m_height + (m_width > 1 ? 0.5 : 0));
}

std::optional<HexNumber> HexGrid::HexAt(double x, double y) const
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    // Axial coordinates from the centre of hex 0101, then the nearest hex
    // centre by rounding in cube coordinates (q + r + s = 0): the one whose
    // rounding moved furthest is the one the other two decide.
    const double px = x - Size;
    const double py = y - HexHeight / 2;
    const double q = (2.0 / 3.0 * px) / Size;
    const double r = (-px / 3.0 + Sqrt3 / 3.0 * py) / Size;
    const double s = -q - r;
    // Far outside the grid, stop before the numbers leave int's range.
    if (std::fabs(q) > 1e6 || std::fabs(r) > 1e6)
        return std::nullopt;
    double rq = std::round(q), rr = std::round(r);
    const double rs = std::round(s);
    const double dq = std::fabs(rq - q), dr = std::fabs(rr - r), ds = std::fabs(rs - s);
    if (dq > dr && dq > ds)
        rq = -rr - rs;
    else if (dr > ds)
        rr = -rq - rs;
    const int columnIndex = static_cast<int>(rq);
    const int rowIndex = static_cast<int>(rr) + (columnIndex - (columnIndex & 1)) / 2;
    const HexNumber hex{columnIndex + 1, rowIndex + 1};
    if (!Contains(hex))
        return std::nullopt;
    return hex;
}

std::vector<HexNumber> HexGrid::Neighbours(HexNumber hex) const
{
    // A lowered (even) column meets its side neighbours at its own row and
    // the one below; a raised column at its own row and the one above.
    const int side = hex.column % 2 == 0 ? 1 : -1;
    const int first = std::min(hex.row, hex.row + side);
    const HexNumber candidates[] = {{hex.column - 1, first},   {hex.column - 1, first + 1},
                                    {hex.column, hex.row - 1}, {hex.column, hex.row + 1},
                                    {hex.column + 1, first},   {hex.column + 1, first + 1}};
    std::vector<HexNumber> inside;
    for (const HexNumber candidate : candidates)
        if (Contains(candidate))
            inside.push_back(candidate);
    return inside;
}

} // namespace kelvane
