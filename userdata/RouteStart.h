#pragma once
// Starting to follow the route in the table, on the route-start request. Main thread only; the
// values the output thread reads are written under ComOutStateLock (never call with it held).

#include "platform/geodesy/GeoTypes.h"

#include <optional>

// Where the own ship is once following has started (or the start was refused).
struct RouteStartResult {
    bool started = false;
    // The own ship's position the start was judged from: the live position, or waypoint 0's
    // without one, where the caller puts the own ship (at rest).
    cmgbase::GeoPoint ownPosition{};
};

// Starts from the waypoint nearest to `livePosition` (the first of equally near ones), or from
// waypoint 0 without a live position. Starting at waypoint 0 with a live position farther from
// waypoint 1 than waypoint 0 is, the own position is put ahead of the route as waypoint 0.
// A route of fewer than two waypoints has no leg to follow: the start is refused and nothing
// but the request changes. Either way RouteStartRequest is cleared, last, under the lock.
RouteStartResult StartRouteFollowing(const std::optional<cmgbase::GeoPoint>& livePosition);
