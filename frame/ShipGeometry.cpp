#include "frame/ShipGeometry.h"

#include "frame/SetupParameters.h"

#include <cmath>

ShipGeometryRecord ShipGeometry{};

namespace {

constexpr double kNauticalMilesPerMetre = 0.00054;

// Bearing of an offset `starboard` to the side and `ahead` along the keel; 0 for no offset.
double RelativeBearing(double starboard, double ahead)
{
    return starboard == 0 && ahead == 0 ? 0 : std::atan2(starboard, ahead);
}

}  // namespace

void ComputeShipGeometry()
{
    const SetupParametersRecord& ship = SetupParameters;
    const double bow = ship.GpsBow;
    const double starboard = ship.GpsStbd;
    const double port = ship.Beam - starboard;
    const double stern = ship.Length - bow;
    ShipGeometryRecord& g = ShipGeometry;
    g.bowMetres = static_cast<float>(bow);
    g.sternMetres = static_cast<float>(stern);
    g.starboardMetres = static_cast<float>(starboard);
    g.portMetres = static_cast<float>(port);

    const double centreLine = (starboard - port) * 0.5;  // to starboard of the antenna
    const double shoulders = bow - ship.Beam;            // one beam aft of the bow
    const double sternAhead = -stern;
    using P = ShipGeometryRecord;
    const auto outline = [&g](P::OutlinePoint point, double distance, double bearing) {
        g.outlineDistance[point] = static_cast<float>(distance * kNauticalMilesPerMetre);
        g.outlineBearing[point] = static_cast<float>(bearing);
    };
    // The bow is taken straight ahead for its distance, but aimed at the centre line.
    outline(P::Bow, bow, centreLine == 0 ? 0 : std::atan2(centreLine, bow));
    outline(P::StarboardShoulder, std::hypot(starboard, shoulders),
            RelativeBearing(starboard, shoulders));
    outline(P::StarboardStern, std::hypot(starboard, sternAhead),
            RelativeBearing(starboard, sternAhead));
    outline(P::PortStern, std::hypot(port, sternAhead), -RelativeBearing(port, sternAhead));
    outline(P::PortShoulder, std::hypot(port, shoulders), -RelativeBearing(port, shoulders));

    // A point `pointStarboard` metres to starboard of the antenna and `pointAhead` ahead of it.
    const auto place = [](double pointStarboard, double pointAhead, float& distance,
                          float& bearing) {
        distance = static_cast<float>(std::hypot(pointStarboard, pointAhead) *
                                      kNauticalMilesPerMetre);
        bearing = static_cast<float>(RelativeBearing(pointStarboard, pointAhead));
    };
    const double halfBeam = ship.Beam * 0.5;
    place(starboard - halfBeam, bow - ship.DepthBow, g.depthSounderDistance,
          g.depthSounderBearing);
    place(starboard - halfBeam, bow - ship.ConningBow, g.conningDistance, g.conningBearing);
    place(starboard - ship.RadarStbd, bow - ship.RadarBow, g.radarDistance, g.radarBearing);
}
