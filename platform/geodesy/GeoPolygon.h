#pragma once
// The engine's polygon: an ordered list of positions (a great-circle path, an area to check).

#include "platform/geodesy/GeoTypes.h"

#include <vector>

namespace cmgbase {

struct TGeoPolygone {
    std::vector<GeoPoint> points;
};

void TGeoPolygone__add_GeoPoint(TGeoPolygone& polygon, const GeoPoint& point);
void TGeoPolygone__clear(TGeoPolygone& polygon);

}  // namespace cmgbase
