#pragma once
// The route table and the user database: an edited grid cell or the changed route defaults
// committed into the table and the stored route, and the refresh of the route grid, which
// commits changed defaults before it rewrites the grid (RouteLoad.h reads a stored route into
// the table). Main thread only.

#include <cstdint>

class TWpDlg;

// Commits the cell just edited in the route dialog (its column, row and text), or the changed
// route defaults, into the table and, unless changes are temporary, into the database; then
// recomputes the turns at the edited waypoint and the one before it, redraws the legs touching
// it and rewrites the grid (RecalcRouteTable). A text that does not make a valid value is
// refused: nothing changes and the grid shows the old value again. Each waypoint is written
// back into its own stored point (the entry's object id and sequence): a point that a
// great-circle leg was divided into and the inserted own position are never written. The route
// defaults go into the route's first stored point, whichever way the table runs.
void StoreRouteToDatabase(TWpDlg& dialog);

// Rewrites the whole route grid (WriteRouteGrid). Nothing without a route (RouteEditMode 0 or
// RouteId 0); changed route defaults are stored first (StoreRouteToDatabase), and nothing more
// happens while an edit is pending.
void RecalcRouteTable(TWpDlg& dialog);
