#pragma once
// The route's stored points brought up to date with the chart check of its legs. Main thread
// only.

#include <cstdint>

// Each stored point of the route in the table (RouteId) keeps the safety depth the check used
// and the danger flags of its waypoint. In a reversed table the flags of entry i go to the
// stored point of entry i + 1, the point its leg leaves from in stored order (as the route dialog
// writes a leg's values and the route load reads them back). A point that holds both already is
// not written; nothing is written for a route that is not stored (RouteNotStored) or none, or
// while the user database is closed.
// A point that cannot be read or rewritten is reported (DatabaseReports.h) and the others are
// written all the same. Returns the number of points rewritten.
int32_t StoreRouteCheckFlags(int16_t safetyDepth);
