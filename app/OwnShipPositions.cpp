#include "app/OwnShipPositions.h"

#include "frame/ShipGeometry.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "sensors/OwnShipState.h"

#include <numbers>

namespace {

constexpr double RadiansPerDegree = std::numbers::pi / 180.0;

cmgbase::GeoPoint MoveAlongRadians(const cmgbase::GeoPoint& start, double bearing, double distance)
{
    cmgbase::GeoPoint end = start;
    if (cmgbase::DirPosComputation(start, &end, bearing, distance, 0) != cmgbase::kGeoOk)
        return start;
    return end;
}

}  // namespace

cmgbase::GeoPoint MoveAlong(const cmgbase::GeoPoint& start, double courseDegrees, double distance)
{
    return MoveAlongRadians(start, courseDegrees * RadiansPerDegree, distance);
}

void DeriveOwnShipPositions(double leadSeconds)
{
    const cmgbase::GeoPoint gps{cmgbase::deg2nrm(OwnShip.gpsLongitude),
                                cmgbase::deg2nrm(OwnShip.gpsLatitude)};
    const double course = OwnShip.displayCourse * RadiansPerDegree;
    const double speed = OwnShip.speedOverGround;
    const cmgbase::GeoPoint antenna =
        speed > 1.0 ? MoveAlongRadians(gps, course, speed * leadSeconds / 3600.0) : gps;
    OwnShip.antennaPosition = antenna;
    OwnShip.referencePosition =
        MoveAlongRadians(antenna, course + ShipGeometry.conningBearing, ShipGeometry.conningDistance);
    OwnShip.transducerPosition = MoveAlongRadians(antenna, course + ShipGeometry.depthSounderBearing,
                                                  ShipGeometry.depthSounderDistance);
    OwnShip.radarAntennaPosition =
        MoveAlongRadians(antenna, course + ShipGeometry.radarBearing, ShipGeometry.radarDistance);
}
