#pragma once
// Positions as stored records hold them (degrees x 600000) and as the chart engine does
// (normalised coordinates). Both ways round to the nearest unit, so a stored position comes
// back unchanged.

#include "platform/geodesy/NormalisedCoordinates.h"
#include "userdata/UserRecords.h"

#include <cstdint>

inline int32_t StoredFromChart(int32_t normalised)
{
    return cmgbase::round(cmgbase::nrm2deg(normalised) * PositionUnitsPerDegree);
}

inline int32_t ChartFromStored(int32_t stored)
{
    return cmgbase::deg2nrm(double(stored) / PositionUnitsPerDegree);
}
