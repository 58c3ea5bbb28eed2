#pragma once
// What the route code asks of the main window and the chart above it. The application sets the
// hooks at start-up; an unset hook does nothing (the cursor point then reads as 0, 0).

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <functional>

struct RouteHooks {
    // The main window's CursorChartPoint: the chart point under the mouse pointer.
    std::function<cmgbase::GeoPoint()> cursorChartPoint;
    std::function<void(const cmgbase::GeoPoint&)> setCursorChartPoint;
    // Draws leg n of the route table with its turn on the chart canvas.
    std::function<void(int32_t leg)> drawRouteLeg;
    // Rewrites the route grid from the table when the route dialog is shown.
    std::function<void()> refreshRouteGrid;
    // Asks for a chart redraw on the next tick.
    std::function<void()> requestRedraw;
    // While a route is drawn: adds a point at the position to the stored route as a click on
    // the chart does, and loads the route into the table again; false when it was not added.
    std::function<bool(const cmgbase::GeoPoint&)> addDrawnRoutePoint;
};

extern RouteHooks RouteHook;

cmgbase::GeoPoint HookedCursorChartPoint();
