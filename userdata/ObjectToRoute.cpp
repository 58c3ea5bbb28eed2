#include "userdata/ObjectToRoute.h"

#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "userdata/DatabaseReports.h"
#include "userdata/ObjectIds.h"
#include "userdata/PointStore.h"
#include "userdata/PolylineSimplification.h"
#include "userdata/RouteTable.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserDatabase.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>
#include <optional>
#include <vector>

using namespace platform::isam;

namespace {

constexpr double RadiansPerDegree = std::numbers::pi / 180.0;
// Near the poles the stretch of the longitude is held finite.
constexpr double LeastLongitudeScale = 1e-6;
constexpr uint16_t ConvertedRouteColour = 2;

// The object's points from sequence 0 on as plane points: x the longitude divided by `scale`,
// y the latitude. None after a read failure, which is reported.
std::optional<std::vector<PlanePoint>> ReadObjectPoints(int32_t id, double scale)
{
    std::vector<PlanePoint> points;
    PointRecord point;
    point.id = id;
    Status status = UserIsam.readGreaterOrEqual(PointKey, UserKeyValue(PointKey, bytesOf(point)),
                                                bytesOf(point));
    while (status == Status::Ok && point.id == id) {
        points.push_back({point.longitude / scale, double(point.latitude)});
        status = UserIsam.readNext(PointKey, bytesOf(point));
    }
    if (status != Status::Ok && status != Status::NoRecord) {
        ReportRecordFailure({"read", PointFile, status});
        return std::nullopt;
    }
    return points;
}

}  // namespace

int32_t SimplifyObjectPoints()
{
    const IdRecord object = IdShownBuffer;
    const double startDegrees = std::trunc(double(object.latitude) / PositionUnitsPerDegree);
    const double scale = std::max(std::cos(startDegrees * RadiansPerDegree), LeastLongitudeScale);
    const std::optional<std::vector<PlanePoint>> points = ReadObjectPoints(object.id, scale);
    if (!points || points->size() < 2)
        return 0;
    const double tolerance = std::max<int16_t>(SetupParameters.TrackConversionTolerance, 0) * 100.0;
    std::vector<KeptPoint> kept = SimplifyPolyline(*points, tolerance);
    kept.resize(std::min<size_t>(kept.size(), MaxConvertedRoutePoints));

    const uint32_t now = StoredTime(ClockSeconds);
    IdRecord route;
    route.objectType = ObjectType::ROUTE;
    route.colour = ConvertedRouteColour;
    route.time = now;
    route.latitude = StoredFromUnits(kept.front().point.y);
    route.longitude = StoredFromUnits(kept.front().point.x * scale);
    route.pointCount = uint16_t(kept.size());
    if (AddNewObject(route, IdRange::Route) != Status::Ok)
        return 0;
    for (size_t n = 0; n < kept.size(); ++n) {
        PointRecord point;
        point.id = route.id;
        point.sequence = uint16_t(n + 1);
        point.latitude = StoredFromUnits(kept[n].point.y);
        point.longitude = StoredFromUnits(kept[n].point.x * scale);
        point.time = now;
        if (AddObjectPoint(point) == PointStore::Failed) {
            RemoveUnfinishedObject(route.id, 1, int32_t(n));
            return 0;
        }
    }
    const std::lock_guard lock(ComOutStateLock);
    RouteId = route.id;
    return route.id;
}
