#include "platform/geodesy/PositionComputation.h"

#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/Wgs84.h"

#include <cmath>

namespace cmgbase {
namespace {

// The inverse problem solved by `solve` (degrees in; metres and degrees out), in the caller's
// units. Coincident points give 0 and bearing 0 without asking the solver, which at a pole
// would find a distance of about 1e-28 and a bearing of +-90 degrees.
template <typename Solve>
int Inverse(const GeoPoint& from, const GeoPoint& to, double* distance, double* bearing,
            Solve solve)
{
    if (!distance)
        return kGeoInvalidArgument;
    if (!IsValidPosition(from) || !IsValidPosition(to))
        return kGeoInvalidPosition;
    double metres = 0;
    double azimuth = 0;
    if (!IsSamePlace(from, to))
        solve(ToDegrees(from), ToDegrees(to), metres, azimuth);
    *distance = metres / kMetresPerNauticalMile;
    if (bearing)
        *bearing = deg2rad(azimuth);
    return kGeoOk;
}

}  // namespace

int DirPosComputation(const GeoPoint& start, GeoPoint* end, double bearing, double distance,
                      int mode)
{
    if (!end || mode != 0 || !std::isfinite(bearing) || !std::isfinite(distance))
        return kGeoInvalidArgument;
    if (!IsValidPosition(start))
        return kGeoInvalidPosition;
    const Degrees from = ToDegrees(start);
    double latitude = 0;
    double longitude = 0;
    Wgs84Geodesic().Direct(from.latitude, from.longitude, rad2deg(bearing),
                           distance * kMetresPerNauticalMile, latitude, longitude);
    if (!std::isfinite(latitude) || !std::isfinite(longitude))
        return kGeoInvalidArgument;  // a distance too large for the solver
    *end = ToGeoPoint(latitude, longitude);
    return kGeoOk;
}

int DirPosComputation_f(const GeoPoint& start, GeoPoint* end, float bearing, float distance,
                        int mode)
{
    return DirPosComputation(start, end, bearing, distance, mode);
}

int InvPosComputation(const GeoPoint& from, const GeoPoint& to, double* distance,
                      double* bearing, int mode)
{
    if (mode != 0)
        return kGeoInvalidArgument;
    return Inverse(from, to, distance, bearing,
                   [](const Degrees& a, const Degrees& b, double& metres, double& azimuth) {
                       double backAzimuth = 0;
                       Wgs84Geodesic().Inverse(a.latitude, a.longitude, b.latitude, b.longitude,
                                               metres, azimuth, backAzimuth);
                   });
}

int InvPosComputation_f(const GeoPoint& from, const GeoPoint& to, float* distance,
                        float* bearing, int mode)
{
    if (!distance)
        return kGeoInvalidArgument;
    double d = 0;
    double b = 0;
    const int status = InvPosComputation(from, to, &d, &b, mode);
    if (status != kGeoOk)
        return status;
    *distance = static_cast<float>(d);
    if (bearing)
        *bearing = static_cast<float>(b);
    return kGeoOk;
}

int RL_InvPosComputation(const GeoPoint& from, const GeoPoint& to, double* distance,
                         double* bearing)
{
    return Inverse(from, to, distance, bearing,
                   [](const Degrees& a, const Degrees& b, double& metres, double& azimuth) {
                       Wgs84Rhumb().Inverse(a.latitude, a.longitude, b.latitude, b.longitude,
                                            metres, azimuth);
                   });
}

}  // namespace cmgbase
