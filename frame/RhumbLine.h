#pragma once
// Distance and bearing along the rhumb line (constant bearing), as routes, marks, tracks,
// replay and targets measure their legs.

#include "platform/geodesy/GeoTypes.h"

// From `origin` to `destination` (note the order): `distance` in nautical miles, the
// ellipsoid's rhumb line; `bearing` in degrees above 0 up to 360 (due north is 360), from the
// flat approximation on the mean latitude, which the route legs and their fit checks share.
// Equal points give 0 and 0; a position beyond the pole gives distance 0.
void RhumbLineInverse(double& distance, double& bearing, const cmgbase::GeoPoint& destination,
                      const cmgbase::GeoPoint& origin);

// True when the rhumb-line distance from `origin` to `destination` is at most `miles` nautical
// miles, as RhumbLineInverse measures it. Cheap bounds of the distance answer for all but the
// points close to the limit, so that it can run for every AIS report.
bool RhumbDistanceWithin(const cmgbase::GeoPoint& destination, const cmgbase::GeoPoint& origin,
                         double miles);
