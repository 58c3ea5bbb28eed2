#pragma once
// Waypoints (WPL) and routes (RTE) received from another navigator. Received waypoints are kept
// here by their number; a route is put together from them, so the order of the waypoint numbers
// in an RTE never overwrites a waypoint before it is used, and the sentences of a route sent in
// several parts are joined.

#include "sensors/GpsFix.h"
#include "sensors/SensorHooks.h"

#include <array>
#include <cstdint>
#include <vector>

constexpr int32_t ReceivedWaypointLimit = 500;  // waypoint numbers 1..499

struct ReceivedRouteState {
    std::array<cmgbase::GeoPoint, ReceivedWaypointLimit> waypoints{};
    std::array<bool, ReceivedWaypointLimit> received{};
    std::vector<ReceivedWaypoint> route;  // the route being received
    int32_t lastSentence = 0;             // number of its last sentence taken
    int32_t sentenceCount = 0;
    char routeName[16] = {};
};

extern ReceivedRouteState ReceivedRoutes;

// Keeps waypoint n (1..499) at the position of `fields` and queues it for the route table; a
// latitude of 0 or beyond 85 degrees is not taken.
void StoreReceivedWaypoint(int32_t n, const PositionFields& fields);

// Hands the waypoints and routes queued by the WPL and RTE handlers to the storeRouteEntry and
// receivedRoute hooks, in the order they arrived. The handlers run under ComOutStateLock and
// the route table takes it, so ParseSensorInput calls this after the chunk, with the lock
// released.
void RunReceivedRouteWork();
