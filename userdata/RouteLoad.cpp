#include "userdata/RouteLoad.h"

#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "platform/geodesy/GreatCircle.h"
#include "platform/geodesy/PositionComputation.h"
#include "userdata/DatabaseReports.h"
#include "userdata/ObjectPoints.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteTable.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserDatabase.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

using namespace platform::isam;

uint8_t RouteLoadRequest = 0;
uint8_t SecondRoute = 0;
uint8_t GreatCircleRouteLoaded = 0;
uint8_t RouteSafetyDepthDiffers = 0;
int32_t PickedWaypoint = -1;
int32_t SelectedWaypoint = -1;
double NearestWaypointDistance = 0.0;

namespace {

constexpr int32_t HitPixels = 6;
constexpr double NearestSearchMiles = 9.0;
constexpr double JoinMiles = 1.0;
// Added to each step, so that the path gives the intermediate points and not one more.
constexpr double StepMargin = 0.01;

std::string ReadWaypointName(int32_t id, uint16_t sequence)
{
    InfoRecord record;
    record.keyId = id;
    record.kind = sequence;
    if (CheckRecordStatus("read", InfoFile,
                          UserIsam.readEqual(InfoKey, UserKeyValue(InfoKey, bytesOf(record)), bytesOf(record))) !=
        Status::Ok)
        return {};
    return InfoText(record, UserIsam.currentRecordLength(InfoFile)).substr(0, WaypointNameMaximum);
}

WP_typ Waypoint(int32_t routeId, const PointRecord& point)
{
    const auto words = std::to_array(point.attributes);
    WP_typ entry;
    entry.position = cmgbase::GeoPoint{ChartFromStored(point.longitude), ChartFromStored(point.latitude)};
    entry.lane = words[RoutePointWord::Lane];
    entry.stopMinutes = static_cast<int16_t>(words[RoutePointWord::StopMinutes]);
    entry.turnRadius = words[RoutePointWord::TurnRadius];
    entry.dangerFlags = static_cast<uint8_t>(words[RoutePointWord::DangerFlags]);
    entry.speed = words[RoutePointWord::Speed];
    entry.legKind = static_cast<uint8_t>(words[RoutePointWord::LegKind]);
    entry.pointFlag = RouteForward;
    entry.objectId = static_cast<uint32_t>(routeId);
    entry.sequence = point.sequence;
    entry.setName(ReadWaypointName(routeId, point.sequence));
    return entry;
}

// The route defaults the route's first stored point holds, and whether its danger flags were
// found for the safety depth in force.
void TakeRouteDefaults(const PointRecord& first)
{
    const auto words = std::to_array(first.attributes);
    const auto take = [](uint16_t word, int16_t& setting) {
        if (word > 0 && word <= 32767)
            setting = static_cast<int16_t>(word);
    };
    int16_t radius = SetupParameters.DefaultTurnRadius;
    int16_t lane = SetupParameters.DefaultLane;
    int16_t speed = SetupParameters.DefaultRouteSpeed;
    take(words[RoutePointWord::TurnRadius], radius);
    take(words[RoutePointWord::DefaultLane], lane);
    take(words[RoutePointWord::DefaultSpeed], speed);
    SetupParameters.DefaultTurnRadius = radius;
    SetupParameters.DefaultLane = lane;
    SetupParameters.DefaultRouteSpeed = speed;
    if (static_cast<int16_t>(words[RoutePointWord::SafetyDepth]) != SetupParameters.SafetyContour) {
        RouteSafetyDepthDiffers = 1;
        RouteLegGeometryPending = true;
    }
}

// The waypoints from the last stored point to the first; each takes the leg values of the one
// after it, which held the leg that now leaves from it.
void Reverse(std::vector<WP_typ>& route)
{
    std::reverse(route.begin(), route.end());
    for (size_t i = 1; i < route.size(); ++i) {
        WP_typ& before = route[i - 1];
        const WP_typ& leg = route[i];
        before.speed = leg.speed;
        before.lane = leg.lane;
        before.legKind = leg.legKind;
        before.dangerFlags = leg.dangerFlags;
    }
}

// The points at most `room` steps divide the great-circle leg from `from` to `to` into.
std::vector<cmgbase::GeoPoint> StepPoints(const WP_typ& from, const WP_typ& to, int32_t room)
{
    double distance = 0.0;
    if (cmgbase::InvPosComputation(from.position, to.position, &distance, nullptr, 0) != 0)
        return {};
    const int32_t steps = std::min(int32_t(std::lround(distance / GreatCircleStepMiles)), room);
    if (steps <= 0)
        return {};
    cmgbase::TGeoPolygone path;
    if (cmgbase::getOrtodromia_GeoPoint_GeoPoint(from.position, to.position, distance / (steps + 1) + StepMargin,
                                                 path) != 0 ||
        path.points.size() < 3)
        return {};
    return {path.points.begin() + 1, path.points.end() - 1};
}

// The route with its great-circle legs divided into steps, as far as `room` entries allow.
std::vector<WP_typ> WithSteps(const std::vector<WP_typ>& route, int32_t room)
{
    std::vector<WP_typ> divided;
    int32_t spare = room - int32_t(route.size());
    for (size_t i = 0; i < route.size(); ++i) {
        const WP_typ& waypoint = route[i];
        divided.push_back(waypoint);
        if (waypoint.legKind != GreatCircleLeg || i + 1 == route.size())
            continue;
        GreatCircleRouteLoaded = 1;
        for (const cmgbase::GeoPoint& position : StepPoints(waypoint, route[i + 1], spare)) {
            WP_typ step = waypoint;
            step.position = position;
            step.legKind = LoadedGreatCircleStep;
            step.stopMinutes = 0;
            step.setName("");
            divided.push_back(step);
            --spare;
        }
    }
    return divided;
}

int32_t StoredWaypointCount()
{
    return RouteEntryCount() - (OwnPositionInserted ? 1 : 0);
}

// While a second route is added: the old route ends before its waypoint nearest to the new
// route's first waypoint, when one lies within 1 nm.
void MakeRoomForSecondRoute(const WP_typ& first)
{
    if (!SecondRoute || RouteEntryCount() == 0)
        return;
    const int32_t joint = NearestRouteWaypoint(first.position);
    if (joint < 0)
        return;
    const std::lock_guard lock(ComOutStateLock);
    WaypointCount = joint;
    ClearUnusedRouteEntries();
}

}  // namespace

int32_t AppendStoredRoute(int32_t routeId, std::span<const PointRecord> points, bool greatCircleSteps)
{
    if (points.empty())
        return 0;
    std::vector<WP_typ> route;
    route.reserve(points.size());
    for (const PointRecord& point : points)
        route.push_back(Waypoint(routeId, point));
    TakeRouteDefaults(points.front());
    if (!RouteForward)
        Reverse(route);
    MakeRoomForSecondRoute(route.front());

    const int32_t room = std::max(0, MaxRouteWaypoints - StoredWaypointCount());
    if (int32_t(route.size()) > room)
        route.resize(size_t(room));
    if (greatCircleSteps)
        route = WithSteps(route, room);

    int32_t appended = 0;
    for (const WP_typ& entry : route) {
        if (!AppendRouteEntry(entry))
            break;
        ++appended;
    }
    const std::lock_guard lock(ComOutStateLock);
    if (appended > 0)
        RouteFromOutside = 0;  // a route of our own is in the table now
    ClearUnusedRouteEntries();
    return appended;
}

int32_t LoadRouteIntoTable(int32_t routeId)
{
    std::vector<PointRecord> points;
    if (!ReadObjectPoints(routeId, points))
        return 0;
    return AppendStoredRoute(routeId, points, false);
}

bool HitTestWaypoint(int32_t x, int32_t y)
{
    const int32_t count = RouteEntryCount();
    for (int32_t i = 0; i < count; ++i) {
        const ScreenPoint point = RouteTable[size_t(i)].screenPoint;
        if (std::abs(int64_t(point.x) - x) < HitPixels && std::abs(int64_t(point.y) - y) < HitPixels) {
            PickedWaypoint = i;
            return true;
        }
    }
    return false;
}

int32_t NearestRouteWaypoint(const cmgbase::GeoPoint& position)
{
    int32_t nearest = -1;
    NearestWaypointDistance = NearestSearchMiles;
    const int32_t count = RouteEntryCount();
    for (int32_t i = 0; i < count; ++i) {
        double distance = 0.0;
        if (cmgbase::InvPosComputation(RouteTable[size_t(i)].position, position, &distance, nullptr, 0) == 0 &&
            distance < NearestWaypointDistance) {
            NearestWaypointDistance = distance;
            nearest = i;
        }
    }
    return nearest >= 0 && NearestWaypointDistance <= JoinMiles ? nearest : -1;
}
