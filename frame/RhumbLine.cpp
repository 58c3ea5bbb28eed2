#include "frame/RhumbLine.h"

#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"

#include <algorithm>
#include <cmath>

namespace {

// The WGS84 ellipsoid, as the rhumb-line solver has it.
constexpr double EquatorialRadius = 6378137.0;  // metres
constexpr double Flattening = 1 / 298.257223563;
constexpr double Eccentricity2 = Flattening * (2 - Flattening);
constexpr double MetresPerMile = 1852.0;

// Radius of curvature of the meridian, growing towards the poles, at latitude phi (radians).
double MeridianRadius(double phi)
{
    const double s = std::sin(phi);
    const double w = 1 - Eccentricity2 * s * s;
    return EquatorialRadius * (1 - Eccentricity2) / (w * std::sqrt(w));
}

// Radius of the parallel, shrinking towards the poles.
double ParallelRadius(double phi)
{
    const double s = std::sin(phi);
    return EquatorialRadius * std::cos(phi) / std::sqrt(1 - Eccentricity2 * s * s);
}

}  // namespace

void RhumbLineInverse(double& distance, double& bearing, const cmgbase::GeoPoint& destination,
                      const cmgbase::GeoPoint& origin)
{
    distance = 0;
    bearing = 0;
    if (destination == origin)
        return;

    const double latO = cmgbase::nrm2deg(origin.y);
    const double latD = cmgbase::nrm2deg(destination.y);
    double lonO = cmgbase::nrm2deg(origin.x);
    double lonD = cmgbase::nrm2deg(destination.x);
    // Across the antimeridian, count both longitudes on the same side.
    if (std::fabs(lonO - lonD) > 180) {
        if (lonO > 0 && lonD < 0)
            lonD += 360;
        if (lonO < 0 && lonD > 0)
            lonO += 360;
    }
    const double meanLatitude = cmgbase::deg2rad((latO + latD) / 2);
    bearing = cmgbase::rad2deg(std::atan2((lonO - lonD) * std::cos(meanLatitude), latO - latD)) +
              180;

    cmgbase::RL_InvPosComputation(origin, destination, &distance, nullptr);
}

bool RhumbDistanceWithin(const cmgbase::GeoPoint& destination, const cmgbase::GeoPoint& origin,
                         double miles)
{
    // Along a rhumb line the distance s has s cos(bearing) = the meridian arc between the two
    // latitudes and s sin(bearing) = the sum of the parallels' radii times the longitude steps.
    // Both lie between the smallest and the largest radius met between the two latitudes.
    const double latO = cmgbase::deg2rad(cmgbase::nrm2deg(origin.y));
    const double latD = cmgbase::deg2rad(cmgbase::nrm2deg(destination.y));
    double lonStep = std::fabs(cmgbase::nrm2deg(destination.x) - cmgbase::nrm2deg(origin.x));
    if (lonStep > 180)
        lonStep = 360 - lonStep;
    lonStep = cmgbase::deg2rad(lonStep);
    const double latStep = std::fabs(latD - latO);
    const double nearEquator =
        (latO < 0) != (latD < 0) ? 0.0 : std::min(std::fabs(latO), std::fabs(latD));
    const double nearPole = std::max(std::fabs(latO), std::fabs(latD));
    const double limit = miles * MetresPerMile;
    const double low = std::hypot(MeridianRadius(nearEquator) * latStep,
                                  ParallelRadius(nearPole) * lonStep);
    if (low > limit * (1 + 1e-9))
        return false;
    const double high = std::hypot(MeridianRadius(nearPole) * latStep,
                                   ParallelRadius(nearEquator) * lonStep);
    if (high < limit * (1 - 1e-9))
        return true;
    double distance = 0;
    double bearing = 0;
    RhumbLineInverse(distance, bearing, destination, origin);
    return distance <= miles;
}
