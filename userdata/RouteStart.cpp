#include "userdata/RouteStart.h"

#include "frame/PortSettings.h"
#include "frame/RhumbLine.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteTable.h"

#include <mutex>

namespace {

double RhumbDistance(const cmgbase::GeoPoint& from, const cmgbase::GeoPoint& to)
{
    double distance = 0.0;
    double bearing = 0.0;
    RhumbLineInverse(distance, bearing, to, from);
    return distance;
}

int32_t NearestWaypoint(const cmgbase::GeoPoint& own)
{
    int32_t nearest = 0;
    double best = 99999.9;
    for (int32_t i = 0; i < WaypointCount; ++i) {
        const double distance = RhumbDistance(own, RouteTable[size_t(i)].position);
        if (distance < best) {
            best = distance;
            nearest = i;
        }
    }
    return nearest;
}

void ComputeLeg(int32_t index)
{
    WP_typ& from = RouteTable[size_t(index)];
    double distance = 0.0;
    double bearing = 0.0;
    RhumbLineInverse(distance, bearing, RouteTable[size_t(index) + 1].position, from.position);
    from.legDistance = float(distance);
    from.legBearing = float(bearing);
}

void ClearStartRequest()
{
    const std::lock_guard lock(ComOutStateLock);
    RouteStartRequest = 0;
}

}  // namespace

RouteStartResult StartRouteFollowing(const std::optional<cmgbase::GeoPoint>& livePosition)
{
    // A restart judges the route itself, not an own position inserted at the last start.
    RemoveOwnPosition();
    if (RouteEntryCount() < 2) {
        ClearStartRequest();
        return {false, livePosition.value_or(cmgbase::GeoPoint{})};
    }
    const cmgbase::GeoPoint own = livePosition.value_or(cmgbase::GeoPoint(RouteTable[0].position));
    const int32_t nearest = NearestWaypoint(own);
    const bool insertOwn = livePosition && nearest == 0 &&
                           RhumbDistance(own, RouteTable[1].position) >
                               RhumbDistance(RouteTable[0].position, RouteTable[1].position);
    {
        const std::lock_guard lock(ComOutStateLock);
        Turning = 0;
        RouteEnded = 0;
        LaneExceeded = 0;
        RouteEditMode = RouteShown;
        AlarmHold = 5;
        CurrentWaypoint = nearest == 0 ? 1 : nearest;
        ComputeLeg(0);
    }
    // A full route of MaxRouteWaypoints still takes the own position: the table has room.
    if (insertOwn && InsertOwnPosition(own)) {
        {
            const std::lock_guard lock(ComOutStateLock);
            ComputeLeg(0);
            if (NextStopWaypoint >= 0)
                ++NextStopWaypoint;  // the same waypoint, one place further
        }
        // The first waypoint had no incoming leg and so no turn: where turns are in use it gets
        // one now, before route following approaches it.
        if (RouteTable[1].turnComputed) {
            ComputeWaypointTurn(0);
            ComputeWaypointTurn(1);
        }
    }
    // Until the first evaluation (after the redraw the start asks for) the output thread sends
    // the straight line to the waypoint steered to, not the values of an earlier route.
    double distance = 0.0;
    double bearing = 0.0;
    const std::lock_guard lock(ComOutStateLock);
    RhumbLineInverse(distance, bearing, RouteTable[size_t(CurrentWaypoint)].position, own);
    DistanceToGo = float(distance);
    BearingToSteer = float(bearing);
    CrossTrackError = 0.0;
    if (NextStopWaypoint < CurrentWaypoint || NextStopWaypoint >= WaypointCount)
        NextStopWaypoint = NextActiveWaypoint();
    NewWaypoint = 1;
    StartGrace = 2;
    RouteStartRequest = 0;
    return {true, own};
}
