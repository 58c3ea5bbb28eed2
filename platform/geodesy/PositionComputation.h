#pragma once
// The direct and inverse position problems on the WGS84 ellipsoid, along the geodesic (the
// shortest path) or along the rhumb line.
//
// Distances are nautical miles of 1852 m. Bearings are radians clockwise from true north; a
// bearing passed in may have any value, a bearing returned lies in [-pi, pi], so it may be
// negative. Between coincident points the distance is 0 and the bearing 0. At a pole, where
// north is no direction, a bearing is measured as if the pole were approached along the
// meridian of the point's longitude (GeographicLib's convention), so the two problems stay each
// other's inverse there too. The antimeridian needs no care from the caller: the shorter way
// round is taken, and a longitude of +180 degrees comes back as 2^31 - 1.
//
// Each returns kGeoOk (0) or a failure of GeodesyStatus.h; outputs are written only on success.
// `mode` is always 0 (the geodesic); other values are refused.

#include "platform/geodesy/GeoTypes.h"

namespace cmgbase {

// The position `distance` from `start` on `bearing`; a negative distance goes the other way.
int DirPosComputation(const GeoPoint& start, GeoPoint* end, double bearing, double distance,
                      int mode);
int DirPosComputation_f(const GeoPoint& start, GeoPoint* end, float bearing, float distance,
                        int mode);

// The distance between the points and the bearing at `from` towards `to`; bearing may be null.
int InvPosComputation(const GeoPoint& from, const GeoPoint& to, double* distance,
                      double* bearing, int mode);
int InvPosComputation_f(const GeoPoint& from, const GeoPoint& to, float* distance,
                        float* bearing, int mode);

// The same along the rhumb line (constant bearing); bearing may be null. A rhumb line to or
// from a pole has a finite length.
int RL_InvPosComputation(const GeoPoint& from, const GeoPoint& to, double* distance,
                         double* bearing);

}  // namespace cmgbase
