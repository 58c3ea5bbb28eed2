#pragma once
// The grid of the seabed tiles over the chart's normalised coordinates. With R the grid
// resolution and F the longitude factor of a tile row, a tile spans R units of y and R x F units
// of x; its 256 x 256 cells are 2h high and 2h x F wide, h = R / 512 being the cell half-size.
// Tile column and row are rounded down, so negative coordinates fall into negative tiles; cell
// (i, j) of a tile has its centre at (column x R x F + (2i + 1) x h x F, row x R + (2j + 1) x h).
// The recorder, the seabed file and the sweeps over it all place cells through this grid, so
// that the keys of recorded, stored and exported tiles agree.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>

// The resolutions a grid may have: chart units of a tile's side.
inline constexpr int32_t SeabedFineResolution = 128000;
inline constexpr int32_t SeabedMediumResolution = 256000;
inline constexpr int32_t SeabedCoarseResolution = 512000;

// Where a chart point lies in the grid: its tile and its cell in the tile.
struct SeabedCellPlace {
    int32_t column = 0;
    int32_t row = 0;
    int32_t i = 0;  // 0..255, east
    int32_t j = 0;  // 0..255, north
};

class SeabedGrid {
public:
    // One of the three resolutions; anything else is taken as the coarse grid.
    explicit SeabedGrid(int32_t resolution);

    int32_t resolution() const { return resolution_; }
    int32_t halfSize() const { return resolution_ / 512; }

    // The tile row of chart y.
    int32_t row(int32_t y) const;
    // F of a tile row: 1 / cos of the latitude of the row's southern edge, rounded down to 0.1,
    // plus 0.1 (near the poles as at 89.4 degrees).
    float lonFactor(int32_t row) const;
    // The tile column of chart x in a row of factor F.
    int32_t column(int32_t x, float factor) const;

    SeabedCellPlace place(const cmgbase::GeoPoint& point) const;
    // The centre of cell (i, j) of a tile, in a row of factor F.
    cmgbase::GeoPoint centre(int32_t column, int32_t row, float factor, int32_t i, int32_t j) const;
    cmgbase::GeoPoint centre(int32_t column, int32_t row, int32_t i, int32_t j) const
    {
        return centre(column, row, lonFactor(row), i, j);
    }

private:
    int32_t resolution_;
};
