#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "core/sector/HexGrid.h"

namespace kelvane {
namespace {

TEST(HexGrid, NumbersReadAndWriteAsFourDigits)
{
    EXPECT_EQ((HexNumber{1, 1}).Text(), "0101");
    EXPECT_EQ((HexNumber{64, 80}).Text(), "6480");
    EXPECT_EQ(ParseHexNumber("0310"), (HexNumber{3, 10}));
    for (const char* bad : {"", "101", "01011", "0001", "0100", "01a1", " 101", "-101"})
        EXPECT_FALSE(ParseHexNumber(bad)) << bad;
    // Hex order is column by column, the order of the numbers.
    EXPECT_LT((HexNumber{1, 10}), (HexNumber{2, 1}));
    EXPECT_LT((HexNumber{2, 1}), (HexNumber{2, 2}));
}

TEST(HexGrid, EvenColumnsStandHalfAHexLowerAndNeighboursTouch)
{
    const HexGrid grid(8, 10);
    const double height = std::sqrt(3.0) * HexGrid::Size;
    const SurfacePoint a = grid.Centre({1, 1}), b = grid.Centre({2, 1}), c = grid.Centre({1, 2});
    EXPECT_DOUBLE_EQ(b.Y - a.Y, height / 2);
    EXPECT_DOUBLE_EQ(c.Y - a.Y, height);
    // 0101 and 0201 share an edge: their centres are one hex height apart.
    EXPECT_NEAR(std::hypot(b.X - a.X, b.Y - a.Y), height, 1e-9);
    // The grid's bounds hold every corner, and the outermost touch them.
    double maxX = 0, maxY = 0, minX = 1, minY = 1;
    for (int column = 1; column <= 8; ++column)
        for (int row = 1; row <= 10; ++row)
            for (const SurfacePoint& p : grid.Corners({column, row})) {
                minX = std::min(minX, p.X), minY = std::min(minY, p.Y);
                maxX = std::max(maxX, p.X), maxY = std::max(maxY, p.Y);
            }
    EXPECT_NEAR(minX, 0, 1e-9);
    EXPECT_NEAR(minY, 0, 1e-9);
    EXPECT_NEAR(maxX, grid.BoundsWidth(), 1e-9);
    EXPECT_NEAR(maxY, grid.BoundsHeight(), 1e-9);
    EXPECT_NEAR(HexGrid(1, 3).BoundsHeight(), 3 * height, 1e-9); // one column: nothing lowered
}

// A hex's neighbours are the hexes one hex height away, centre to centre,
// on both kinds of column and at every border.
TEST(HexGrid, NeighboursAreTheHexesThatShareAnEdge)
{
    EXPECT_EQ(HexGrid(8, 10).Neighbours({2, 1}),
              (std::vector<HexNumber>{{1, 1}, {1, 2}, {2, 2}, {3, 1}, {3, 2}}));
    for (const auto& [width, height] : {std::pair{5, 4}, {1, 3}, {2, 1}}) {
        const HexGrid grid(width, height);
        const double apart = std::sqrt(3.0) * HexGrid::Size;
        for (int column = 1; column <= width; ++column) {
            for (int row = 1; row <= height; ++row) {
                const SurfacePoint c = grid.Centre({column, row});
                std::vector<HexNumber> touching;
                for (int other = 1; other <= width; ++other)
                    for (int otherRow = 1; otherRow <= height; ++otherRow) {
                        const SurfacePoint o = grid.Centre({other, otherRow});
                        if (std::fabs(std::hypot(o.X - c.X, o.Y - c.Y) - apart) < 1e-6)
                            touching.push_back({other, otherRow});
                    }
                EXPECT_EQ(grid.Neighbours({column, row}), touching) << column << ',' << row;
            }
        }
    }
}

// Every point picks the hex with the nearest centre, which is exactly the
// hex whose area holds it; a point nearer a hex outside the grid picks none.
TEST(HexGrid, HexAtPicksTheHexWhoseAreaHoldsThePoint)
{
    for (const auto& [width, height] : {std::pair{8, 10}, {1, 1}, {3, 2}, {64, 80}}) {
        const HexGrid grid(width, height);
        std::mt19937_64 random(static_cast<std::uint64_t>(width * 100 + height));
        std::uniform_real_distribution<double> x(-150, grid.BoundsWidth() + 150);
        std::uniform_real_distribution<double> y(-150, grid.BoundsHeight() + 150);
        // Fewer points on the largest grid, whose search is slow.
        for (int i = 0; i < (width > 8 ? 2000 : 20000); ++i) {
            const double px = x(random), py = y(random);
            // Among the grid's hexes and a ring of hexes round it.
            double best = INFINITY, second = INFINITY;
            HexNumber nearest;
            for (int column = 0; column <= width + 1; ++column) {
                for (int row = 0; row <= height + 1; ++row) {
                    const SurfacePoint c = grid.Centre({column, row});
                    const double d = std::hypot(px - c.X, py - c.Y);
                    if (d < best) {
                        second = best, best = d;
                        nearest = {column, row};
                    } else if (d < second) {
                        second = d;
                    }
                }
            }
            if (second - best < 1e-6)
                continue; // on an edge
            const auto picked = grid.HexAt(px, py);
            if (grid.Contains(nearest))
                EXPECT_EQ(picked, nearest) << px << ", " << py;
            else
                EXPECT_FALSE(picked) << px << ", " << py;
        }
    }
    const HexGrid grid(8, 10);
    EXPECT_EQ(grid.HexAt(grid.Centre({5, 7}).X, grid.Centre({5, 7}).Y), (HexNumber{5, 7}));
    EXPECT_FALSE(grid.HexAt(NAN, 10));
    EXPECT_FALSE(grid.HexAt(1e300, -1e300));
}

} // namespace
} // namespace kelvane
