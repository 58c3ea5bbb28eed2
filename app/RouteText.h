#pragma once
// The route print: "route.txt" of the log folder, the route in the table as a waypoint list
// with legs, speeds, lanes, turns, stops and times, rewritten whole on each request. Main
// thread only.

#include <string>

// Rewrites route.txt while a stored route is shown or followed; false when nothing was written.
bool WriteRouteText();

// The text of route.txt (CR LF ended lines).
std::string RouteText();
