#pragma once
// What the information dialog and the point list ask of the main window and of the object
// drawing above them. The application sets the hooks at start-up; an unset hook does nothing (or
// answers as noted). Main thread only; the chart redraws go through RouteHook.requestRedraw.

#include "platform/geodesy/GeoTypes.h"
#include "userdata/UserRecords.h"

#include <cstdint>
#include <functional>

struct ObjectDialogHooks {
    // The chart objects at the position, queried on the chart and shown in the object inspector.
    std::function<void(const cmgbase::GeoPoint&)> queryChartObjects;
    // The focus goes back to the position dialog when it is shown.
    std::function<void()> focusPositionDialog;
    // The object loaded again for display: drawn, and the open dialogs filled anew.
    std::function<void(ObjectType type, int32_t id)> loadObject;
    // The line picked or being drawn or edited (0 none; 0 when unset), and a new one taking its
    // place.
    std::function<int32_t()> lineId;
    std::function<void(int32_t id)> setLineId;
    // A point typed into the point list was stored at the position: the drawing goes on from it,
    // with one more point placed when `added` (not a point rewritten).
    std::function<void(const cmgbase::GeoPoint& position, bool added)> pointTyped;
};

extern ObjectDialogHooks ObjectDialogHook;
