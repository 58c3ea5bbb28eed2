#include "platform/geodesy/GeoPolygon.h"

namespace cmgbase {

void TGeoPolygone__add_GeoPoint(TGeoPolygone& polygon, const GeoPoint& point)
{
    polygon.points.push_back(point);
}

void TGeoPolygone__clear(TGeoPolygone& polygon)
{
    polygon.points.clear();
}

}  // namespace cmgbase
