#include "frame/SeabedGrid.h"

#include "frame/SeabedTile.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int32_t ToInt32(double value)
{
    return int32_t(std::clamp(std::floor(value), double(std::numeric_limits<int32_t>::min()),
                              double(std::numeric_limits<int32_t>::max())));
}

}  // namespace

SeabedGrid::SeabedGrid(int32_t resolution)
    : resolution_(resolution == SeabedFineResolution || resolution == SeabedMediumResolution
                      ? resolution
                      : SeabedCoarseResolution)
{
}

int32_t SeabedGrid::row(int32_t y) const
{
    int32_t row = y / resolution_;
    if (y < 0 && y % resolution_ != 0)
        --row;
    return row;
}

float SeabedGrid::lonFactor(int32_t row) const
{
    const int64_t rowStart = std::clamp<int64_t>(int64_t(row) * resolution_, -cmgbase::kNormalisedNorthPole,
                                                 cmgbase::kNormalisedNorthPole);
    const double latitude = cmgbase::nrm2deg(int32_t(rowStart));
    const double cosine = std::max(std::cos(cmgbase::deg2rad(latitude)), 0.01);
    return float(std::floor(10.0 / cosine) / 10.0 + 0.1);
}

int32_t SeabedGrid::column(int32_t x, float factor) const
{
    return ToInt32(double(x) / (double(resolution_) * double(factor)));
}

SeabedCellPlace SeabedGrid::place(const cmgbase::GeoPoint& point) const
{
    SeabedCellPlace p;
    p.row = row(point.y);
    const double factor = lonFactor(p.row);
    p.column = column(point.x, float(factor));
    const double cellWidth = 2.0 * halfSize() * factor;
    const double east = double(point.x) - double(p.column) * double(resolution_) * factor;
    p.i = std::clamp(ToInt32(east / cellWidth), 0, SeabedTile::Side - 1);
    const int64_t north = int64_t(point.y) - int64_t(p.row) * resolution_;
    p.j = int32_t(std::clamp<int64_t>(north / (2 * halfSize()), 0, SeabedTile::Side - 1));
    return p;
}

cmgbase::GeoPoint SeabedGrid::centre(int32_t column, int32_t row, float factor, int32_t i, int32_t j) const
{
    const double h = halfSize();
    const double x = double(column) * double(resolution_) * double(factor) + double(2 * i + 1) * h * double(factor);
    const double y = double(row) * double(resolution_) + double(2 * j + 1) * h;
    return {ToInt32(std::round(x)), ToInt32(y)};
}
