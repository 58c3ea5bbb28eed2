#pragma once
// The route in the table stored again as a new route: the route bar's copy. Main thread only.

#include "userdata/UserRecords.h"

#include <optional>

// Stores the table's waypoints as a new ROUTE object (id range of routes, colour 2, the time now,
// starting at the first waypoint): point n + 1 for the n-th waypoint with its position, leg
// values (lane, speed, leg kind, danger flags), turn radius, stop and name. Entries that are no
// waypoints of the route are left out: the own position inserted ahead of it and the steps a
// great-circle leg was divided into. A start position that another route holds already moves
// one unit east per collision (AddIdRecord). The table's waypoints then belong to the copy, so
// that what is edited next goes into the copy, not into the route copied. Returns the copy's id
// record; none, and nothing is stored, when fewer than two waypoints are left or the route could
// not be stored whole (reported).
std::optional<IdRecord> CopyRouteTable();
