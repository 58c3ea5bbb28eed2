#pragma once
// Positions for the geodesy tests, written in degrees as people read them.

#include "platform/geodesy/GeoTypes.h"
#include "platform/geodesy/NormalisedCoordinates.h"

inline cmgbase::GeoPoint At(double latitude, double longitude)
{
    return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}
