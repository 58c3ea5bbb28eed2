#pragma once
// One evaluation of route following, on every 100 ms tick while a route is followed: the
// arrival at the current waypoint and the switch to the next, the cross-track error, the
// bearing to steer and the distance to go. Main thread only; everything the output thread reads
// is written in one step under ComOutStateLock (never call with it held).

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>

struct RouteEvaluationInput {
    cmgbase::GeoPoint ownPosition{};
    float displayCourse = 0.0f;    // degrees: heading, else course over ground
    int16_t arrivalRadius = 0;     // 0.01 nm; negative: arrival only when abeam
    bool waypointAlarmOn = false;
    bool crossTrackAlarmOn = false;
    bool alarmActive = false;      // an alarm is raised already: no waypoint alarm over it
    // What the route painter left for the leg being sailed (WheelOverPoint.h), read under
    // ComOutStateLock as one pair: with the flag set the turn in progress runs on to the next
    // turn's start and ends once `wheelOverPoint` is abeam.
    bool wheelOver = false;
    cmgbase::GeoPoint wheelOverPoint{};
};

struct RouteEvaluationResult {
    bool evaluated = false;       // false: no route to follow (fewer than two waypoints)
    bool switched = false;        // the next waypoint is now steered to (redraw the route)
    bool waypointAlarm = false;   // raise the waypoint alarm
    bool crossTrackAlarm = false; // the own ship is outside the lane of the leg
};

RouteEvaluationResult EvaluateRouteFollowing(const RouteEvaluationInput& input);
