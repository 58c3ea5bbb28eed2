#pragma once
// An independent computation for the converter tests: GeographicLib's own WGS84 geodesic (not
// the program's geodesy layer) on positions in degrees, with a Newton solver that turns two
// hyperbolic readings back into a position and the crossing angle of their lines of position.

#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <functional>
#include <vector>

struct LatLon {
    double latitude = 0;
    double longitude = 0;
};

// A converter's position in degrees, exactly; and degrees to the nearest normalised position,
// the longitude first brought into -180..180.
LatLon ToLatLon(const cmgbase::GeoPoint& point);
cmgbase::GeoPoint ToGeoPoint(const LatLon& position);

double GeodesicMetres(const LatLon& from, const LatLon& to);
// The position `metres` from `from` along the geodesic that leaves it at `azimuth` degrees.
LatLon GeodesicDirect(const LatLon& from, double azimuth, double metres);
// The azimuth in degrees at `from` of the geodesic to `to`.
double GeodesicAzimuth(const LatLon& from, const LatLon& to);

// Two readings at a position, each a difference of distances to two stations.
using TwoReadings = std::function<std::array<double, 2>(const LatLon&)>;

// The position near `start` where `readings` gives `target`, by Newton's method with numerical
// derivatives.
LatLon SolvePosition(const TwoReadings& readings, const std::array<double, 2>& target,
                     LatLon start);

// The angle in degrees (0..90) at which the lines of position of (distance to a - distance to
// master) and (distance to b - distance to master) cross at `at`.
double CrossingAngle(const LatLon& at, const LatLon& master, const LatLon& a, const LatLon& b);

// The normalised position near `near` where `difference` (metres, nearly linear over a few metres)
// is closest to zero: a point of the line difference = 0 as close as the normalised grid allows.
cmgbase::GeoPoint NearestZero(const std::function<double(const LatLon&)>& difference,
                              const cmgbase::GeoPoint& near);

// The point on the perpendicular bisector of `a` and `b`, `offset` metres from their midpoint, as
// a normalised position whose distances to the two differ by well under a millimetre.
cmgbase::GeoPoint BisectorPoint(const LatLon& a, const LatLon& b, double offset);

// Positions over a coverage: `steps` by `steps` from `margin` degrees of latitude (and twice that
// of longitude) beyond the stations on every side, longitudes counted round the first station so
// that a coverage across 180 degrees is covered across it.
std::vector<cmgbase::GeoPoint> CoverageGrid(const std::vector<LatLon>& stations, double margin,
                                            int steps);
