#pragma once
// What the start-up gives the drawn points and the search-pattern dialog: a point typed into the
// route grid while a route is drawn stored as a click stores it, the own position and the chart
// centre a pattern starts from, and the route and line bars' Finish that takes a pattern up.

// Fills SearchPatternHook and RouteHook.addDrawnRoutePoint (they reach the window through Form1).
void WireSearchPatterns();
