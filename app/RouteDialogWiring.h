#pragma once
// What the start-up gives the route dialog: the main window's grid-refresh count-down, its
// route-calculator button, AutoBtn and the chart pick, the chart area and its centring, the
// display mode and the place along the window's bottom where the dialog docks.

// Fills RouteDialogHook (the hooks reach the window through Form1).
void WireRouteDialog();
