#pragma once
// Legs and turns of the route table: the distance and bearing of every leg, their times, and the
// turn geometry at every waypoint (wheel-over points and arc centre). Main thread only.

#include "userdata/RouteTable.h"

#include <cstdint>

// Whether waypoint n of a table of `count` waypoints has a leg: outside drawing the last
// waypoint has none; while drawing the scratch entry has none.
bool HasLeg(int32_t n, int32_t count);

// A waypoint's own value (speed, lane or turn radius), else the route default for 0.
int32_t DefaultOf(uint16_t own, int16_t routeDefault);

// The speed a waypoint's leg is sailed at, in knots: its own, else the route default (at least
// 0.1 kn, so that a leg time is always finite).
double LegSpeed(const WP_typ& entry);

// Distance and time of legs from <= i < to (entry indexes), the stops at their starting
// waypoints included.
struct RouteTotals {
    double distance = 0;  // nm
    double hours = 0;
};
RouteTotals SumRouteLegs(int32_t from, int32_t to);

// Leg n, from entry n to entry n + 1, into legDistance and legBearing: a great circle for
// GreatCircleLeg, else a rhumb line. The last waypoint has no leg (0 and 0) unless a route is
// being drawn, when its leg runs to the cursor in the scratch entry. Nothing for n outside the
// table's waypoints.
void ComputeRouteLeg(int32_t n);

// The legs' turns and area checks are to be redone when the route is next painted.
extern bool RouteLegGeometryPending;

// The route's length in nautical miles: the sum of its legs as ComputeRouteLegs last found it.
extern double RouteLength;

// Every leg between the route's waypoints (ComputeRouteLeg) and their sum into RouteLength; the
// leg to the cursor of a route being drawn is left out.
void ComputeRouteLegs();

// The turn at waypoint n: turnStart, turnEnd, turnCentre and turnMisfit. The arc of the turn
// radius touches both legs; a stop waypoint, and a turn whose arc would overlap the
// neighbouring turns (the straight part between them would run backwards), get none and make
// a sharp corner at the waypoint. A misfit found sets TurnMisfitSeen.
void ComputeWaypointTurn(int32_t n);
