#pragma once
// Legs, turns and the route grid: the distance and bearing of every leg, the turn geometry at
// every waypoint (wheel-over points and arc centre), and the grid of the route dialog with its
// times, ETAs and totals. Main thread only.

#include "userdata/RouteTable.h"

#include <cstdint>

class TWpDlg;

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

// Computes leg n and writes its row of the route grid (position, distance, bearing). While a
// route is drawn, entry n + 1 first takes the cursor's position, so the last leg follows the
// mouse. Nothing while an edit is pending or for n < 0.
void FillRouteGridRow(TWpDlg& dialog, int32_t n);

// The turn at waypoint n: turnStart, turnEnd, turnCentre and turnMisfit. The arc of the turn
// radius touches both legs; a stop waypoint, and a turn whose arc would overlap the
// neighbouring turns (the straight part between them would run backwards), get none and make
// a sharp corner at the waypoint. A misfit found sets TurnMisfitSeen.
void ComputeWaypointTurn(int32_t n);

// Rewrites the whole route grid from the table (legs recomputed), the totals in the dialog's
// caption and the calculator's panels. Nothing without a route (RouteEditMode 0 or RouteId 0);
// changed route defaults are stored first (StoreRouteToDatabase), and nothing more happens
// while an edit is pending.
void RecalcRouteTable(TWpDlg& dialog);
