#include "app/RouteLegCheck.h"

#include "app/TForm1.h"
#include "chart/AreaCheckSettings.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "userdata/RouteDangerFlags.h"

#include <cmath>
#include <limits>
#include <vector>

uint8_t CheckRouteArea(const TForm1& form, const QPolygonF& polygon)
{
    if (!ChartEngine || !MainMapView || polygon.size() < 3)
        return LaneCheckFailed;
    std::vector<cmgbase::GeoPoint> points;
    points.reserve(size_t(polygon.size()));
    constexpr double limit = std::numeric_limits<int32_t>::max();
    for (const QPointF& pixel : polygon) {
        if (!(std::fabs(pixel.x()) < limit && std::fabs(pixel.y()) < limit))
            return LaneCheckFailed;
        cmgbase::GeoPoint position{};
        if (!MainMapView->ScreenToGeo(form.chartRect, {int32_t(std::lround(pixel.x())), int32_t(std::lround(pixel.y()))},
                                      position))
            return LaneCheckFailed;
        points.push_back(position);
    }
    int32_t dangers = 0;
    int32_t heightDangers = 0;
    if (ChartEngine->CheckOtherPolygon(points, AreaCheckSafetyDepth(), AreaCheckVesselHeight(), &dangers,
                                       &heightDangers) != 1)
        return LaneCheckFailed;
    return uint8_t((dangers > heightDangers ? LaneDepthDanger : 0) | (heightDangers > 0 ? LaneHeightDanger : 0));
}
