#include "frame/CoverageGrid.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

using Cell = std::pair<int, int>;  // column, row

// Every marked cell with its value.
std::map<Cell, int> Marked()
{
    std::map<Cell, int> marked;
    for (int column = 0; column < kCoverageColumns; ++column)
        for (int row = 0; row < kCoverageRows; ++row)
            if (const int value = ExportCoverageGrid[column * kCoverageRows + row])
                marked[{column, row}] = value;
    return marked;
}

struct CoverageCase {
    int32_t x;
    int32_t y;
    std::map<Cell, int> marked;
};

class MarkCoverageCellTable : public testing::TestWithParam<CoverageCase> {};

TEST_P(MarkCoverageCellTable, MarksTheCellAndItsNeighbours)
{
    ExportCoverageGrid.fill(0);
    MarkCoverageCell(GetParam().x, GetParam().y);
    EXPECT_EQ(Marked(), GetParam().marked);
}

INSTANTIATE_TEST_SUITE_P(
    Points, MarkCoverageCellTable,
    testing::Values(
        // The top-left corner: the cell and the three to the right and below
        CoverageCase{5, 5, {{{0, 0}, 2}, {{1, 0}, 1}, {{0, 1}, 1}, {{1, 1}, 1}}},
        // Off the grid above and to the left counts as that corner
        CoverageCase{-15, -2000, {{{0, 0}, 2}, {{1, 0}, 1}, {{0, 1}, 1}, {{1, 1}, 1}}},
        // Inside: seven neighbours, not the one above-left
        CoverageCase{57, 31,
                     {{{5, 3}, 2}, {{6, 3}, 1}, {{5, 4}, 1}, {{6, 4}, 1}, {{5, 2}, 1},
                      {{6, 2}, 1}, {{4, 3}, 1}, {{4, 4}, 1}}},
        // Off the grid to the right and below: one cell in, so the neighbours stay on it
        CoverageCase{2000, 2000,
                     {{{158, 118}, 2}, {{159, 118}, 1}, {{158, 119}, 1}, {{159, 119}, 1},
                      {{158, 117}, 1}, {{159, 117}, 1}, {{157, 118}, 1}, {{157, 119}, 1}}}));

TEST(MarkCoverageCell, GridIsStoredColumnByColumn)
{
    ExportCoverageGrid.fill(0);
    MarkCoverageCell(1585, 5);  // column 158, row 0
    EXPECT_EQ(ExportCoverageGrid[158 * 120 + 0], 2);
    EXPECT_EQ(ExportCoverageGrid[159 * 120 + 1], 1);
}

}  // namespace
