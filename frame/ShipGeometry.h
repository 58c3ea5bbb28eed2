#pragma once
// Where the parts of the own ship lie, seen from the GPS antenna: the hull outline that the
// own-ship drawing places around the antenna position, and the depth sounder, conning position
// and radar antenna that the 100 ms tick places the same way (distance along the display
// course plus the relative bearing).

#include <array>
#include <cstdint>

// Distances in nautical miles unless named in metres; bearings in radians from the ship's
// head, starboard positive.
struct ShipGeometryRecord {
    enum OutlinePoint { Bow, StarboardShoulder, StarboardStern, PortStern, PortShoulder };

    float bowMetres;
    float sternMetres;
    float starboardMetres;
    float portMetres;
    std::array<float, 5> outlineDistance;  // by OutlinePoint
    std::array<float, 5> outlineBearing;
    float depthSounderDistance;
    float depthSounderBearing;
    float conningDistance;
    float conningBearing;
    float radarDistance;
    float radarBearing;
};

// Written only by ComputeShipGeometry.
extern ShipGeometryRecord ShipGeometry;

// Fills ShipGeometry from the own-ship dimensions of SetupParameters (metres: Length, Beam,
// GpsBow and GpsStbd of the GPS antenna from the bow and the starboard side, ConningBow,
// DepthBow, RadarBow, RadarStbd); run after their clamps.
void ComputeShipGeometry();
