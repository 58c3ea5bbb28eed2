#pragma once
// The WGS84 ellipsoid's geodesic and rhumb-line solvers, built once, with the settings of
// GeographicLib's own GeodSolve and RhumbSolve tools (series geodesic, exact rhumb line), and the
// conversions between GeoPoint and degrees that every computation shares.

#include "platform/geodesy/GeoTypes.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>

namespace cmgbase {

inline constexpr double kMetresPerNauticalMile = 1852.0;

const GeographicLib::Geodesic& Wgs84Geodesic();
const GeographicLib::Rhumb& Wgs84Rhumb();

struct Degrees {
    double latitude;
    double longitude;
};

// False for a latitude beyond +-90 degrees.
bool IsValidPosition(const GeoPoint& point);
// True for equal points, and for two points at the same pole whatever their longitudes.
bool IsSamePlace(const GeoPoint& a, const GeoPoint& b);
Degrees ToDegrees(const GeoPoint& point);
GeoPoint ToGeoPoint(double latitude, double longitude);

}  // namespace cmgbase
