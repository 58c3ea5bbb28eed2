#pragma once
// A search pattern laid from the own position or the chart centre and stored point by point as
// a route that is followed at once, or as a line. What the main window does around it comes
// through SearchPatternHook. Main thread only.

#include "platform/geodesy/GeoTypes.h"
#include "userdata/SarPattern.h"

#include <functional>
#include <optional>

struct SearchPatternHooks {
    // The own ship's reference position; none while no position is known.
    std::function<std::optional<cmgbase::GeoPoint>()> ownPosition;
    // The centre of the main chart view.
    std::function<cmgbase::GeoPoint()> chartCentre;
    // The route bar's Finish: the drawn route stored, reloaded and offered to route following.
    std::function<void()> finishRoute;
    // The line bar's Finish, the symbol and line tool pressed and the chart redrawn.
    std::function<void()> finishLine;
    // The dialog was hidden: the route bar's SAR button released.
    std::function<void()> dialogHidden;
};

extern SearchPatternHooks SearchPatternHook;

// Lays the pattern from the own position (fromCentre false) or the chart centre and stores it
// through AddSarObject as an object named "S.A.R.": as a line, or as a route (its iterations
// held to what a route holds, MaxSarIterations) that replaces the route in the table and is
// finished with RouteForward 1, so that route following takes it up at the next tick. False,
// and nothing stored, without a start (no own position) or without points.
bool BuildSarPattern(const SarPatternSpec& spec, bool fromCentre, bool asLine);
