#pragma once
// Points along the geodesic (the ellipsoid's great circle) between two positions.

#include "platform/geodesy/GeoPolygon.h"
#include "platform/geodesy/GeoTypes.h"

namespace cmgbase {

// The most points one path may have; a smaller step fails rather than exhausting memory.
inline constexpr int kMaxOrtodromiaPoints = 100000;

// Empties `path`, then fills it with positions along the geodesic from `from` to `to`: both end
// points and, between them, equally spaced points no more than `step` nautical miles apart
// (n + 1 points for a distance of n steps). Coincident points give the two end points whatever
// the step. A step that is not a positive finite number (which would subdivide without end), or
// one so small that the path would need more than kMaxOrtodromiaPoints, fails with the two end
// points in `path`. Returns kGeoOk or a failure of GeodesyStatus.h (`path` is then empty for an
// invalid position).
int getOrtodromia_GeoPoint_GeoPoint(const GeoPoint& from, const GeoPoint& to, double step,
                                    TGeoPolygone& path);

}  // namespace cmgbase
