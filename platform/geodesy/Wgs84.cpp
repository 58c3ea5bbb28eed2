#include "platform/geodesy/Wgs84.h"

#include "platform/geodesy/NormalisedCoordinates.h"

#include <GeographicLib/Constants.hpp>

namespace cmgbase {

const GeographicLib::Geodesic& Wgs84Geodesic()
{
    static const GeographicLib::Geodesic geodesic(GeographicLib::Constants::WGS84_a(),
                                                  GeographicLib::Constants::WGS84_f());
    return geodesic;
}

const GeographicLib::Rhumb& Wgs84Rhumb()
{
    static const GeographicLib::Rhumb rhumb(GeographicLib::Constants::WGS84_a(),
                                            GeographicLib::Constants::WGS84_f(), true);
    return rhumb;
}

bool IsValidPosition(const GeoPoint& point)
{
    return point.y >= -kNormalisedNorthPole && point.y <= kNormalisedNorthPole;
}

bool IsSamePlace(const GeoPoint& a, const GeoPoint& b)
{
    return a == b || (a.y == b.y && (a.y == kNormalisedNorthPole || a.y == -kNormalisedNorthPole));
}

Degrees ToDegrees(const GeoPoint& point)
{
    return {nrm2deg(point.y), nrm2deg(point.x)};
}

GeoPoint ToGeoPoint(double latitude, double longitude)
{
    return {deg2nrm(longitude), deg2nrm(latitude)};
}

}  // namespace cmgbase
