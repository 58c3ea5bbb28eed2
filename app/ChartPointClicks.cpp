// The points of the route or line being drawn or edited, worked on the main chart: a left click
// adds a point to a drawing; in editing, it picks a point to drag (or inserts one on a leg and
// drags that) and the next click drops it; a right click deletes the point under it. Stored
// points change only through the object store's point operations, the route table only through
// its own operations.

#include "app/ChartCursor.h"
#include "userdata/DrawnPoints.h"
#include "app/ChartMouse.h"
#include "app/DynamicOverlay.h"
#include "app/EditingState.h"
#include "app/LineBar.h"
#include "app/ObjectCodes.h"
#include "app/ObjectLoad.h"
#include "app/RouteBar.h"
#include "app/RubberBand.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/MapView.h"
#include "chart/TPositionDlg.h"
#include "userdata/ObjectPointEdits.h"
#include "userdata/ObjectPoints.h"
#include "userdata/RouteGrid.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteStore.h"
#include "userdata/RouteTable.h"
#include "userdata/StoredPosition.h"
#include "userdata/TListDlg.h"
#include "userdata/TWpDlg.h"

#include <QTableWidget>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

bool Drawing()
{
    return RouteEditMode == RouteDrawing || LineEditPhase == LineDrawing;
}

bool RouteEdited()
{
    return RouteEditMode == RouteEditing;
}

bool LineEdited()
{
    return LineEditPhase == LineEditing;
}

void FocusPositionDialog()
{
    if (PositionDlg && PositionDlg->isVisible())
        PositionDlg->activateWindow();
}

void ReloadPointList()
{
    if (ListDlg && ListDlg->isVisible())
        ListDlg->FormShow();
}

void RecalcRouteDialog()
{
    if (WpDlg && WpDlg->isVisible())
        RecalcRouteTable(*WpDlg);
}

// The route in the table read again as it is stored.
void ReloadRoute(TForm1& f)
{
    if (RouteId == 0)
        return;
    ClearRouteTable();
    LoadObject(f, RouteLoadCode, RouteId);
}

std::vector<ScreenPoint> RoutePixels()
{
    std::vector<ScreenPoint> pixels;
    const int32_t count = RouteEntryCount();
    for (int32_t i = 0; i < count; ++i) {
        const ScreenPoint pixel = RouteTable[size_t(i)].screenPoint;  // out of the packed entry
        pixels.push_back(pixel);
    }
    return pixels;
}

// The stored points of the line being edited with their pixels in the main view (points off the
// projection at the view's centre, out of reach of any click); LinePoints takes the pixels.
struct LineChain {
    std::vector<PointRecord> points;
    std::vector<ScreenPoint> pixels;
};
LineChain ReadLineChain(const TForm1& f)
{
    LineChain chain;
    ReadObjectPoints(LineId, chain.points);
    if (chain.points.size() > LinePoints.size())
        chain.points.resize(LinePoints.size());
    for (const PointRecord& point : chain.points) {
        ScreenPoint pixel{f.chartCentreX, f.chartCentreY};
        MainMapView->GeoToScreen(f.chartRect, {ChartFromStored(point.longitude), ChartFromStored(point.latitude)},
                                 pixel);
        LinePoints[chain.pixels.size()] = pixel;
        chain.pixels.push_back(pixel);
    }
    return chain;
}

// The dragged point dropped at the click: its stored point takes the cursor's position (a
// route's, in stored order, the leg checks of its legs), the table or the line's pixels follow.
// A point that could not be written is shown as stored again.
void DropRoutePoint(TForm1& f, const ChartClick& click)
{
    const int32_t index = PickedPoint - 1;
    PickedPoint = -1;
    if (index < 0 || index >= RouteEntryCount())
        return;
    const WP_typ entry = RouteTable[size_t(index)];
    bool stored = true;
    if (entry.isStoredPoint()) {
        PointChange change{f.cursorChartPoint, std::nullopt};
        if (RouteForward)
            change.dangerFlags = entry.dangerFlags;
        stored = ChangeObjectPoint(int32_t(entry.objectId), entry.sequence, change);
        const int32_t next = index + 1;
        if (stored && RouteForward && next < RouteEntryCount() && RouteTable[size_t(next)].isStoredPoint())
            ChangeObjectPoint(int32_t(entry.objectId), RouteTable[size_t(next)].sequence,
                              {std::nullopt, RouteTable[size_t(next)].dangerFlags});
    }
    if (stored) {
        SetRouteEntryPosition(index, f.cursorChartPoint);
        RouteTable[size_t(index)].screenPoint = click.pixel();
        ComputeRouteLegs();
    } else {
        ReloadRoute(f);
    }
    RecalcRouteDialog();
}

void DropLinePoint(TForm1& f, const ChartClick& click)
{
    const int32_t index = PickedPoint - 1;
    PickedPoint = -1;
    const LineChain chain = ReadLineChain(f);
    if (index < 0 || index >= int32_t(chain.points.size()))
        return;
    if (ChangeObjectPoint(LineId, chain.points[size_t(index)].sequence, {f.cursorChartPoint, std::nullopt}))
        LinePoints[size_t(index)] = click.pixel();
}

// A click on a leg puts a new point there (after the leg's first point) and drags it; a click on
// a point drags that point.
void StartDrag(TForm1& f, const ChartClick& click, bool route)
{
    std::vector<ScreenPoint> pixels;
    LineChain line;
    if (route) {
        pixels = RoutePixels();
    } else {
        line = ReadLineChain(f);
        pixels = line.pixels;
    }
    const ChainHit hit = HitTestChain(pixels, click.pixel(), WaypointReach);
    if (hit.index < 0)
        return;
    if (!hit.onSegment) {
        PickedPoint = hit.index + 1;
    } else {
        // A route's table position, or the sequence of the line's point the new one follows.
        const int32_t after = route ? hit.index + 1 : line.points[size_t(hit.index)].sequence;
        if (!UpdateObjectPoints(route ? RouteId : LineId, after, true, f.cursorChartPoint))
            return;
        PickedPoint = hit.index + 2;
        DrawnPointCount = std::min(DrawnPointCount + 1, MaxRouteWaypoints);
        if (route && hit.index < SelectedWaypoint)
            ++SelectedWaypoint;
        if (!route)
            ReadLineChain(f);
    }
    FollowDraggedPoint(f);
}

}  // namespace

void FollowDraggedPoint(TForm1& f)
{
    const int32_t p = PickedPoint;
    if (p <= 0)
        return;
    const int32_t q = p < 2 ? 0 : p - 2;
    if (RouteEdited()) {
        if (p > RouteEntryCount())
            return;
        SetRouteEntryPosition(p - 1, f.cursorChartPoint);
        RouteTable[size_t(p - 1)].screenPoint = CursorPixel;
        AnchorPixel = RouteTable[size_t(q)].screenPoint;
        if (WpDlg && WpDlg->isVisible()) {
            if (p > 1)
                FillRouteGridRow(*WpDlg, p - 2);
            FillRouteGridRow(*WpDlg, p - 1);
        }
    } else if (LineEdited() && p <= int32_t(LinePoints.size())) {
        AnchorPixel = LinePoints[size_t(q)];
        LinePoints[size_t(p - 1)] = CursorPixel;
    }
}

bool AddPointClick(TForm1& f, const ChartClick& click)
{
    if (!Drawing())
        return false;
    if (DrawnPointCount > 0 && WithinReach(click.pixel(), AnchorPixel, TooCloseReach))
        return true;
    const bool route = RouteEditMode == RouteDrawing;
    // The last point a drawing may have ends it instead.
    if (DrawnPointCount + 1 >= MaxRouteWaypoints) {
        if (route)
            RtOkExecute(f);
        else
            LiOkExecute(f);
        return true;
    }
    ++DrawnPointCount;
    AnchorGeo = f.cursorChartPoint;
    AnchorPixel = click.pixel();
    if (route) {
        if (FastTick.dynamicOverlayCountdown > 0) {
            FastTick.dynamicOverlayCountdown = 0;
            PaintDynamicOverlay(f, false);
        }
        AddSarObject(DrawnRouteKind, DrawnPointCount, f.cursorChartPoint);
        ReloadRoute(f);
        RefreshRouteGrid();
        RecalcRouteDialog();
    } else {
        LinePoints[size_t(DrawnPointCount - 1)] = click.pixel();
        AddSarObject(DrawnLineKind, DrawnPointCount, f.cursorChartPoint);
        f.paintCopyPending = true;
        f.CM93Paint();
    }
    ReloadPointList();
    return true;
}

bool EditPointClick(TForm1& f, const ChartClick& click)
{
    const bool route = RouteEdited();
    if (!route && !LineEdited())
        return false;
    if (PickedPoint > 0) {
        if (route)
            DropRoutePoint(f, click);
        else
            DropLinePoint(f, click);
        f.OverlayRedrawRequest = 1;
        ReloadPointList();
        return true;
    }
    StartDrag(f, click, route);
    if (PickedPoint > 0) {
        f.OverlayRedrawRequest = 1;
        FocusPositionDialog();
        if (route && WpDlg && WpDlg->isVisible())
            WpDlg->Grid->selectRow(PickedPoint - 1);
    }
    return true;
}

// One point per click: the nearest of those under it, so that the points renumbered by the
// delete are never hit by the same click.
bool DeletePointClick(TForm1& f, const ChartClick& click)
{
    const bool route = RouteEdited() && PickedPoint <= 0;
    const bool line = LineEdited() && PickedPoint <= 0;
    if (!route && !line)
        return false;
    std::vector<ScreenPoint> pixels;
    LineChain chain;
    if (route) {
        pixels = RoutePixels();
    } else {
        chain = ReadLineChain(f);
        pixels = chain.pixels;
    }
    int32_t nearest = -1;
    int64_t best = WaypointReach;
    for (size_t i = 0; i < pixels.size(); ++i) {
        const int64_t distance =
            std::max(std::abs(int64_t(pixels[i].x) - click.x), std::abs(int64_t(pixels[i].y) - click.y));
        if (distance < best) {
            best = distance;
            nearest = int32_t(i);
        }
    }
    if (nearest < 0)
        return true;
    const bool deleted = route ? UpdateObjectPoints(RouteId, nearest + 1, false, {})
                               : UpdateObjectPoints(LineId, chain.points[size_t(nearest)].sequence, false, {});
    if (!deleted)
        return true;
    if (route && SelectedWaypoint > nearest)
        --SelectedWaypoint;
    DrawnPointCount = std::max(DrawnPointCount - 1, 0);
    f.OverlayRedrawRequest = 1;
    ReloadPointList();
    return true;
}
