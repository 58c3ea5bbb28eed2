#include "platform/geodesy/GreatCircle.h"

#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/Wgs84.h"

#include <GeographicLib/GeodesicLine.hpp>

#include <algorithm>
#include <cmath>

namespace cmgbase {

int getOrtodromia_GeoPoint_GeoPoint(const GeoPoint& from, const GeoPoint& to, double step,
                                    TGeoPolygone& path)
{
    TGeoPolygone__clear(path);
    if (!IsValidPosition(from) || !IsValidPosition(to))
        return kGeoInvalidPosition;

    TGeoPolygone__add_GeoPoint(path, from);
    int status = kGeoOk;
    if (!IsSamePlace(from, to)) {
        const Degrees a = ToDegrees(from);
        const Degrees b = ToDegrees(to);
        const GeographicLib::GeodesicLine line = Wgs84Geodesic().InverseLine(
            a.latitude, a.longitude, b.latitude, b.longitude,
            GeographicLib::Geodesic::LATITUDE | GeographicLib::Geodesic::LONGITUDE |
                GeographicLib::Geodesic::DISTANCE_IN);
        const double metres = line.Distance();
        // A distance of exactly k steps, give or take rounding, makes k segments.
        const double segments =
            std::isfinite(step) && step > 0
                ? std::max(1.0, std::ceil(metres / (step * kMetresPerNauticalMile) - 1e-9))
                : 0.0;
        if (segments == 0)
            status = kGeoInvalidArgument;
        else if (segments + 1 > kMaxOrtodromiaPoints)
            status = kGeoTooManyPoints;
        else {
            const int count = static_cast<int>(segments);
            for (int i = 1; i < count; ++i) {
                double latitude = 0;
                double longitude = 0;
                line.Position(metres * i / count, latitude, longitude);
                TGeoPolygone__add_GeoPoint(path, ToGeoPoint(latitude, longitude));
            }
        }
    }
    TGeoPolygone__add_GeoPoint(path, to);
    return status;
}

}  // namespace cmgbase
