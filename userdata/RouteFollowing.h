#pragma once
// The values route following leaves for the output thread, which sends them as RMB, APB, WPL
// and RTE. Route following writes them on the main thread; the output thread reads them. Every
// write takes ComOutStateLock (frame/PortSettings.h), so that the thread never sees one
// evaluation half written; reads on the main thread need no lock.
//
// Beside them in RouteTable.h: CurrentWaypoint (the leg: the waypoint steered to),
// DistanceToGo, OwnPositionInserted and the route itself.

#include <cstdint>

// Nautical miles off the leg from waypoint CurrentWaypoint - 1 to CurrentWaypoint: sin(B - leg
// bearing) x D for the bearing B and distance D to the waypoint, so positive while the own ship
// is left of the leg (to starboard is the way back: steer right), negative while right of it.
extern double CrossTrackError;
// Degrees true from the own ship to the waypoint (or along the turn's arc while turning).
extern float BearingToSteer;

// The arrival tests of the last evaluation: the arrival circle was entered (the own ship is near
// the next leg's line), the perpendicular at the waypoint was passed.
extern uint8_t NearNextLeg;
extern uint8_t PastAbeam;
// The own ship is in the turn around the waypoint just passed.
extern uint8_t Turning;
// While turning the own ship left the lane: it steers the arrival bearing until the turn ends.
extern uint8_t LaneExceeded;
// The last waypoint has been reached.
extern uint8_t RouteEnded;
// Evaluations left before a waypoint arrival may raise the alarm; 5 at route start.
extern int32_t AlarmHold;
// Evaluations left in which an arrival counts even a whole leg early; 2 at route start.
extern int32_t StartGrace;

// The waypoints go out again (WPL and RTE): set when a route is selected, started or advanced;
// the output thread clears it once it has handled the request.
extern uint8_t NewWaypoint;
// The route-start request: the next 100 ms tick starts following the route. While it is set
// the output thread sends no route sentences.
extern uint8_t RouteStartRequest;
// Route following has ended (the route was released or deleted): the output thread tells the
// receivers once, then clears it.
extern uint8_t RouteStopRequest;
