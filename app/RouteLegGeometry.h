#pragma once
// The legs of the loaded route brought up to date: turns, the chart check of every lane and
// turn area, and the route's stored points. Main thread only.

class TForm1;

// With a route in the table and turns shown (the RouteLegs setting): the turn at every waypoint
// (ComputeWaypointTurn) and the chart check of every leg (CheckLegLane) with the hourglass and
// CheckPanel shown; a full redraw is asked for the next tick. A stored route's points then keep
// the safety depth used and the flags found (StoreRouteCheckFlags); a route not stored is never
// written, and a point that cannot be written is reported without stopping anything. The route
// grid is refreshed through RouteHook.refreshRouteGrid.
void UpdateRouteLegGeometry(TForm1& form);
