#include "frame/RhumbLine.h"

#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"

#include <cmath>

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
