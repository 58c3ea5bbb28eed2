#include "userdata/RouteCopy.h"

#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "userdata/InfoTexts.h"
#include "userdata/ObjectDeletion.h"
#include "userdata/ObjectIds.h"
#include "userdata/PointStore.h"
#include "userdata/RouteTable.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserRecords.h"

#include <mutex>
#include <vector>

using namespace platform::isam;

namespace {

constexpr uint16_t CopiedRouteColour = 2;

// The indexes of the table's waypoints of the route.
std::vector<int32_t> CopiedWaypoints()
{
    std::vector<int32_t> waypoints;
    const int32_t count = RouteEntryCount();
    for (int32_t i = OwnPositionInserted ? 1 : 0; i < count; ++i)
        if (RouteTable[size_t(i)].legKind != LoadedGreatCircleStep)
            waypoints.push_back(i);
    return waypoints;
}

void TakeOverWaypoints(const std::vector<int32_t>& waypoints, int32_t id)
{
    const std::lock_guard lock(ComOutStateLock);
    for (size_t n = 0; n < waypoints.size(); ++n) {
        WP_typ& entry = RouteTable[size_t(waypoints[n])];
        entry.objectId = uint32_t(id);
        entry.sequence = uint16_t(n + 1);
    }
}

PointRecord CopiedPoint(int32_t id, uint16_t sequence, const WP_typ& entry, uint32_t now)
{
    const cmgbase::GeoPoint position = entry.position;
    PointRecord point;
    point.id = id;
    point.sequence = sequence;
    point.latitude = StoredFromChart(position.y);
    point.longitude = StoredFromChart(position.x);
    point.time = now;
    point.attributes[RoutePointWord::Lane] = entry.lane;
    point.attributes[RoutePointWord::StopMinutes] = static_cast<uint16_t>(entry.stopMinutes);
    point.attributes[RoutePointWord::TurnRadius] = entry.turnRadius;
    point.attributes[RoutePointWord::DangerFlags] = entry.dangerFlags;
    point.attributes[RoutePointWord::Speed] = entry.speed;
    point.attributes[RoutePointWord::LegKind] = entry.legKind;
    return point;
}

}  // namespace

std::optional<IdRecord> CopyRouteTable()
{
    const std::vector<int32_t> waypoints = CopiedWaypoints();
    if (waypoints.size() < 2)
        return std::nullopt;
    const uint32_t now = StoredTime(ClockSeconds);
    const cmgbase::GeoPoint start = RouteTable[size_t(waypoints.front())].position;
    IdRecord route;
    route.objectType = ObjectType::ROUTE;
    route.latitude = StoredFromChart(start.y);
    route.longitude = StoredFromChart(start.x);
    route.time = now;
    route.colour = CopiedRouteColour;
    if (AddNewObject(route, IdRange::Route) != Status::Ok)
        return std::nullopt;
    for (size_t n = 0; n < waypoints.size(); ++n) {
        const auto sequence = uint16_t(n + 1);
        const WP_typ& entry = RouteTable[size_t(waypoints[n])];
        if (AddObjectPoint(CopiedPoint(route.id, sequence, entry, now)) == PointStore::Failed) {
            DeleteObject(ObjectType::ROUTE, route.id);
            return std::nullopt;
        }
        const std::string name = entry.name();
        if (!name.empty())
            WriteObjectText(route.id, sequence, name);
    }
    TakeOverWaypoints(waypoints, route.id);
    return route;
}
