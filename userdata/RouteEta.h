#pragma once
// ETAs of the route grid. One rule for every row, forward and backward, computed and typed:
// times are the ETA zone's time, UTC less EtaZoneHours hours (zones counted as nautical zone
// descriptions, so -1 is an hour ahead of UTC). A typed ETA is read in that zone time and every
// ETA is shown in it; the PC's own time zone and its daylight saving play no part, so a route's
// ETAs run on evenly across a daylight-saving change and a typed ETA shows again as typed.

#include "userdata/RouteCellText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// "%02d.  %02d:%02d": day of month, hours and minutes of the moment (seconds since 1970) in
// zone time.
std::string FormatEtaText(int64_t seconds, int32_t zoneHours);

// The moment of a typed ETA (day 1 or above) on that day of the month that zone time is in at
// `now`; nothing when the month has no such day.
std::optional<int64_t> EtaMoment(const EtaFields& typed, int64_t now, int32_t zoneHours);

// What is still to be sailed to the current waypoint: DistanceToGo, and while turning round
// the waypoint before it (DistanceToGo then ends with the turn) the leg from there as well.
double DistanceToCurrentWaypoint();

// The arrival time at each waypoint of the table, nothing where the grid shows none (every
// waypoint while a route is drawn). Without a reference (referenceRow -1) from `now` on: the
// current waypoint is reached after DistanceToCurrentWaypoint, those before it get none. With
// one, waypoint referenceRow is reached at referenceTime, and the times of the waypoints before
// it are counted back from it. A leg takes its distance at its speed (LegSpeed); a stop delays the
// waypoints after it.
std::vector<std::optional<int64_t>> RouteEtas(int32_t referenceRow, int64_t referenceTime,
                                              int64_t now);
