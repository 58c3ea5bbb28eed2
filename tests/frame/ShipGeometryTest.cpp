#include "frame/ShipGeometry.h"

#include "frame/SetupParameters.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A place on board as metres to starboard of and ahead of the GPS antenna.
struct OnBoard {
    double starboard;
    double ahead;
};

// Where a distance (nautical miles) and relative bearing put a point.
OnBoard Place(float distance, float bearing)
{
    const double metres = distance / 0.00054;
    return {metres * std::sin(bearing), metres * std::cos(bearing)};
}

struct Dimensions {
    int16_t length, beam, gpsBow, gpsStbd, conningBow, depthBow, radarBow, radarStbd;
};

// Computes the geometry of a ship of these dimensions, leaving the settings as they were.
void Compute(const Dimensions& d)
{
    const SetupParametersRecord saved = SetupParameters;
    SetupParameters.Length = d.length;
    SetupParameters.Beam = d.beam;
    SetupParameters.GpsBow = d.gpsBow;
    SetupParameters.GpsStbd = d.gpsStbd;
    SetupParameters.ConningBow = d.conningBow;
    SetupParameters.DepthBow = d.depthBow;
    SetupParameters.RadarBow = d.radarBow;
    SetupParameters.RadarStbd = d.radarStbd;
    ComputeShipGeometry();
    SetupParameters = saved;
}

void ExpectAt(float distance, float bearing, OnBoard expected, const char* what)
{
    const OnBoard p = Place(distance, bearing);
    EXPECT_NEAR(p.starboard, expected.starboard, 1e-3) << what;
    EXPECT_NEAR(p.ahead, expected.ahead, 1e-3) << what;
}

TEST(ComputeShipGeometry, PlacesHullAndSensorsAroundTheAntenna)
{
    // 100 m by 20 m; antenna 30 m from the bow and 5 m from the starboard side, so the centre
    // line runs 5 m to port of it.
    Compute({.length = 100, .beam = 20, .gpsBow = 30, .gpsStbd = 5, .conningBow = 20,
             .depthBow = 10, .radarBow = 25, .radarStbd = 10});
    const ShipGeometryRecord& g = ShipGeometry;
    EXPECT_EQ(g.bowMetres, 30);
    EXPECT_EQ(g.sternMetres, 70);
    EXPECT_EQ(g.starboardMetres, 5);
    EXPECT_EQ(g.portMetres, 15);

    using P = ShipGeometryRecord;
    // The shoulders lie one beam aft of the bow, at the sides.
    ExpectAt(g.outlineDistance[P::StarboardShoulder], g.outlineBearing[P::StarboardShoulder],
             {5, 10}, "starboard shoulder");
    ExpectAt(g.outlineDistance[P::PortShoulder], g.outlineBearing[P::PortShoulder], {-15, 10},
             "port shoulder");
    ExpectAt(g.outlineDistance[P::StarboardStern], g.outlineBearing[P::StarboardStern],
             {5, -70}, "starboard stern");
    ExpectAt(g.outlineDistance[P::PortStern], g.outlineBearing[P::PortStern], {-15, -70},
             "port stern");
    // The bow: its distance straight ahead, its bearing aimed at the centre line.
    EXPECT_FLOAT_EQ(g.outlineDistance[P::Bow], 30 * 0.00054f);
    EXPECT_FLOAT_EQ(g.outlineBearing[P::Bow], std::atan2(-5.0f, 30.0f));

    // Conning position and transducer on the centre line; the radar antenna where it is set.
    ExpectAt(g.conningDistance, g.conningBearing, {-5, 10}, "conning");
    ExpectAt(g.depthSounderDistance, g.depthSounderBearing, {-5, 20}, "depth sounder");
    ExpectAt(g.radarDistance, g.radarBearing, {-5, 5}, "radar");
}

TEST(ComputeShipGeometry, PointsAtTheAntennaHaveBearingZero)
{
    // Antenna on the centre line, right at the stern, with the conning position, transducer
    // and radar antenna on it: the stern corners and those three lie 0 m ahead (the stern
    // even -0 m), where atan2 alone would give half a turn.
    Compute({.length = 50, .beam = 10, .gpsBow = 50, .gpsStbd = 5, .conningBow = 50,
             .depthBow = 50, .radarBow = 50, .radarStbd = 5});
    const ShipGeometryRecord& g = ShipGeometry;
    using P = ShipGeometryRecord;
    EXPECT_EQ(g.outlineBearing[P::Bow], 0);
    ExpectAt(g.outlineDistance[P::StarboardStern], g.outlineBearing[P::StarboardStern],
             {5, 0}, "starboard stern");
    EXPECT_EQ(g.conningDistance, 0);
    EXPECT_EQ(g.conningBearing, 0);
    EXPECT_EQ(g.depthSounderBearing, 0);
    EXPECT_EQ(g.radarBearing, 0);

    // Antenna in the starboard stern corner: that corner is the antenna itself.
    Compute({.length = 50, .beam = 10, .gpsBow = 50, .gpsStbd = 0, .conningBow = 25,
             .depthBow = 25, .radarBow = 25, .radarStbd = 5});
    EXPECT_EQ(g.outlineDistance[P::StarboardStern], 0);
    EXPECT_EQ(g.outlineBearing[P::StarboardStern], 0);
    ExpectAt(g.outlineDistance[P::PortStern], g.outlineBearing[P::PortStern], {-10, 0},
             "port stern");
}

}  // namespace
