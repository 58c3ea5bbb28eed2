#include "userdata/SearchPatterns.h"

#include "frame/PortSettings.h"
#include "userdata/DrawnPoints.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteTable.h"

#include <algorithm>
#include <mutex>

SearchPatternHooks SearchPatternHook;

namespace {

std::optional<cmgbase::GeoPoint> PatternStart(const SarPatternSpec& spec, bool fromCentre)
{
    if (fromCentre)
        return SearchPatternHook.chartCentre ? std::optional(SarStartFromCentre(spec, SearchPatternHook.chartCentre()))
                                             : std::nullopt;
    return SearchPatternHook.ownPosition ? SearchPatternHook.ownPosition() : std::nullopt;
}

// A new route is drawn: the table emptied and nothing followed until it is finished.
void PrepareRouteDrawing()
{
    {
        const std::lock_guard lock(ComOutStateLock);
        RouteId = 0;
        RouteEditMode = RouteDrawing;
        CurrentWaypoint = 0;
        OwnPositionInserted = 0;
    }
    NextStopWaypoint = -1;
    ClearRouteTable();
}

}  // namespace

bool BuildSarPattern(const SarPatternSpec& spec, bool fromCentre, bool asLine)
{
    SarPatternSpec laid = spec;
    if (!asLine)
        laid.iterations = std::min(laid.iterations, MaxSarIterations(laid.type));
    const std::optional<cmgbase::GeoPoint> start = PatternStart(laid, fromCentre);
    if (!start)
        return false;
    const std::vector<cmgbase::GeoPoint> points = SarPatternPoints(laid, *start);
    if (points.empty())
        return false;

    if (asLine && ObjectDialogHook.setLineId)
        ObjectDialogHook.setLineId(0);
    if (!asLine)
        PrepareRouteDrawing();
    const int32_t kind = SarKindOffset + (asLine ? DrawnLineKind : DrawnRouteKind);
    for (size_t n = 0; n < points.size(); ++n)
        if (!AddSarObject(kind, int32_t(n + 1), points[n]))
            break;

    if (asLine) {
        if (SearchPatternHook.finishLine)
            SearchPatternHook.finishLine();
        return true;
    }
    {
        const std::lock_guard lock(ComOutStateLock);
        RouteForward = 1;
        RouteStartRequest = 1;
    }
    if (SearchPatternHook.finishRoute)
        SearchPatternHook.finishRoute();
    return true;
}
