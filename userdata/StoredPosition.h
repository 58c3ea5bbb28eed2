#pragma once
// Positions as stored records hold them (degrees x 600000) and as the chart engine does
// (normalised coordinates). Both ways round to the nearest unit, so a stored position comes
// back unchanged.

#include "platform/geodesy/NormalisedCoordinates.h"
#include "userdata/UserRecords.h"

#include <cmath>
#include <cstdint>
#include <limits>

inline int32_t StoredFromChart(int32_t normalised)
{
    return cmgbase::round(cmgbase::nrm2deg(normalised) * PositionUnitsPerDegree);
}

inline int32_t ChartFromStored(int32_t stored)
{
    return cmgbase::deg2nrm(double(stored) / PositionUnitsPerDegree);
}

// A position in stored units (1/600000 degree) rounded to the nearest unit; a value that is not
// a number is 0, one beyond the 32-bit range its nearest end.
inline int32_t StoredFromUnits(double units)
{
    if (std::isnan(units))
        return 0;
    constexpr double lowest = std::numeric_limits<int32_t>::min();
    constexpr double highest = std::numeric_limits<int32_t>::max();
    return int32_t(std::lround(std::fmin(std::fmax(units, lowest), highest)));
}

inline int32_t StoredFromDegrees(double degrees)
{
    return StoredFromUnits(degrees * PositionUnitsPerDegree);
}
