// The seabed grid: tiles and cells of chart points on the three resolutions, west and south of
// the origin as well as east and north, and cell centres inside their cells.

#include "frame/SeabedGrid.h"

#include <gtest/gtest.h>

namespace {

struct GridCase {
    int32_t resolution;
    cmgbase::GeoPoint point;
    SeabedCellPlace place;  // column, row, i, j
};

// Near the equator a row's factor is 1.1; row 1402 of the coarse grid starts at 60.17 degrees,
// 1 / cos = 20.10, so its factor is 2.1.
const GridCase Cases[] = {
    {512000, {-1, -1}, {-1, -1, 255, 255}},
    {512000, {3 * 563200 + 10 * 2200 + 5, 2 * 512000 + 7 * 2000 + 1}, {3, 2, 10, 7}},
    {512000, {-5346570, 1402 * 512000 + 777}, {-5, 1402, 7, 0}},
    {256000, {-281601, -256001}, {-2, -2, 255, 255}},
    {256000, {0, 0}, {0, 0, 0, 0}},
    {128000, {-140800, -128000}, {-1, -1, 0, 0}},
    {128000, {140800 * 100 + 550 * 128 + 549, 128000 * 50 + 500 * 200 + 499}, {100, 50, 128, 200}},
    {128000, {-1, -1}, {-1, -1, 255, 255}},
};

TEST(SeabedGridTest, PlacesPointsInTilesAndCells)
{
    for (const GridCase& c : Cases) {
        SCOPED_TRACE(testing::Message() << "R " << c.resolution << " at " << c.point.x << ", " << c.point.y);
        const SeabedGrid grid(c.resolution);
        const SeabedCellPlace p = grid.place(c.point);
        EXPECT_EQ(p.column, c.place.column);
        EXPECT_EQ(p.row, c.place.row);
        EXPECT_EQ(p.i, c.place.i);
        EXPECT_EQ(p.j, c.place.j);
    }
}

// Every cell's centre lies in that cell: the last cell of a tile on the fine grid as much as the
// first (a half-size of 1000 units would put it 511000 units east, far outside its 140800-unit
// tile).
TEST(SeabedGridTest, CellCentresLieInsideTheirCells)
{
    for (const GridCase& c : Cases) {
        const SeabedGrid grid(c.resolution);
        for (const int32_t i : {0, c.place.i, 255}) {
            for (const int32_t j : {0, c.place.j, 255}) {
                SCOPED_TRACE(testing::Message() << "R " << c.resolution << " tile " << c.place.column << ", "
                                                << c.place.row << " cell " << i << ", " << j);
                const cmgbase::GeoPoint centre = grid.centre(c.place.column, c.place.row, i, j);
                const SeabedCellPlace back = grid.place(centre);
                EXPECT_EQ(back.column, c.place.column);
                EXPECT_EQ(back.row, c.place.row);
                EXPECT_EQ(back.i, i);
                EXPECT_EQ(back.j, j);
            }
        }
    }
}

TEST(SeabedGridTest, CentresLieHalfACellIntoTheirCells)
{
    const SeabedGrid coarse(512000);
    EXPECT_EQ(coarse.halfSize(), 1000);
    EXPECT_EQ(coarse.centre(3, 2, 10, 7), (cmgbase::GeoPoint{1712700, 1039000}));
    const SeabedGrid fine(128000);
    EXPECT_EQ(fine.halfSize(), 250);
    EXPECT_EQ(fine.centre(-1, -1, 255, 255), (cmgbase::GeoPoint{-275, -250}));
}

TEST(SeabedGridTest, RowFactorsFollowTheLatitudeOfTheRowsSouthernEdge)
{
    const SeabedGrid coarse(512000);
    EXPECT_FLOAT_EQ(coarse.lonFactor(0), 1.1f);
    EXPECT_FLOAT_EQ(coarse.lonFactor(-1), 1.1f);
    EXPECT_FLOAT_EQ(coarse.lonFactor(1402), 2.1f);
    EXPECT_FLOAT_EQ(coarse.lonFactor(-1402), 2.1f);
    // Past the poles the factor stays finite.
    EXPECT_FLOAT_EQ(coarse.lonFactor(3000), 100.1f);
}

}  // namespace
