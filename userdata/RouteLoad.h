#pragma once
// Stored routes read into the route table, and finding waypoints of the table by screen point
// and by position. Main thread only; the table is changed under ComOutStateLock (RouteTable.h).

#include "frame/PixelGeometry.h"
#include "platform/geodesy/GeoTypes.h"
#include "userdata/UserRecords.h"

#include <cstdint>
#include <span>

// A route chosen in the object dialog is to be loaded: the next load of the route in the table
// (RouteId) reads it in with its great-circle legs divided into steps, and clears the request.
extern uint8_t RouteLoadRequest;
// A second route is being added to the route in the table: a route loaded now joins it.
extern uint8_t SecondRoute;
// The route was loaded with a great-circle leg divided into steps (the route dialog then lets
// only the leg values be edited while it is followed).
extern uint8_t GreatCircleRouteLoaded;
// The safety depth stored with the route's first point differs from the one in force: its
// danger flags were found for another depth.
extern uint8_t RouteSafetyDepthDiffers;

// The waypoint a click picked (HitTestWaypoint), -1 none.
extern int32_t PickedWaypoint;
// The waypoint chosen on the chart or in the route grid, its number drawn highlighted; -1 none.
extern int32_t SelectedWaypoint;
// The distance in nautical miles to the waypoint NearestRouteWaypoint found last, at most 9.
extern double NearestWaypointDistance;

// A great-circle leg is divided into round(distance / GreatCircleStepMiles) steps.
constexpr double GreatCircleStepMiles = 300.0;
// Waypoint names longer than this are cut.
constexpr size_t WaypointNameMaximum = 4792;

// Appends the stored points of route `routeId` (in key order, as the point file holds them) to
// the route table:
// - each point becomes a waypoint with its position, lane, stop, turn radius, danger flags,
//   speed, leg kind, route id, sequence and name; pointFlag is RouteForward, the direction the
//   route was loaded in (1 stored order, 0 reversed, which the object dialogs show as
//   " (retour)");
// - the route's first stored point sets the route defaults it holds and, when its safety depth
//   is not the one in force, RouteSafetyDepthDiffers (and the legs' checks are redone);
// - reversed (RouteForward 0), the waypoints run from the last stored point to the first, and
//   each leg's speed, lane, leg kind and danger flags move to the waypoint it now leaves from;
// - with `greatCircleSteps`, each great-circle leg is divided along the great circle into
//   equal steps of about GreatCircleStepMiles: entries of leg kind LoadedGreatCircleStep with
//   the lane, speed and turn radius of the leg, and no stop;
// - while a second route is being added (SecondRoute) to a table that holds one, the new route
//   joins the old at the old waypoint nearest to its first waypoint within 1 nm: that waypoint
//   and those after it give way to the new route. With none that near, the new route follows
//   the old one's last waypoint.
// The table holds at most MaxRouteWaypoints waypoints: stored points beyond that are left out,
// and steps only take the room the stored points leave, a leg getting fewer, longer steps
// when room is short (never a stored point left out for a step). Returns the number of
// entries appended.
int32_t AppendStoredRoute(int32_t routeId, std::span<const PointRecord> points, bool greatCircleSteps);

// Reads the points of route `routeId` and appends them as AppendStoredRoute does, without
// steps; 0 when they could not all be read (reported) and nothing is appended then.
int32_t LoadRouteIntoTable(int32_t routeId);

// The first waypoint of the table whose screen point lies less than 6 pixels from (x, y) in x
// and in y becomes PickedWaypoint; false when none does.
bool HitTestWaypoint(int32_t x, int32_t y);

// The waypoint of the table nearest to `position` along the geodesic, searched from 9 nm down;
// its index when it lies within 1 nm, else -1. The distance found is kept in
// NearestWaypointDistance.
int32_t NearestRouteWaypoint(const cmgbase::GeoPoint& position);
