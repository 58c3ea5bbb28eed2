#include "app/RubberBand.h"

#include "app/ChartCursor.h"
#include "app/EditingState.h"
#include "app/OverlayArea.h"
#include "app/GreatCircleLegDrawing.h"
#include "app/RouteLegDrawing.h"
#include "app/TForm1.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayFont.h"
#include "chart/OverlayPrimitives.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "userdata/RouteLegs.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QPainter>
#include <QToolBar>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

int32_t PickedPoint = -1;
std::array<ScreenPoint, RouteTableEntries> LinePoints{};
bool RouteLegCheckRequest = false;

void ResetRubberBand()
{
    PickedPoint = -1;
    LinePoints = {};
    RouteLegCheckRequest = false;
}

namespace {

constexpr int32_t NumberColour = 1;
constexpr int32_t DataAreaColour = 6;
constexpr int32_t LabelOffset = 6;
constexpr int32_t RubberBandWidth = 2;
constexpr int32_t GreatCircleWidth = 2;
constexpr int32_t FirstAreaShape = 2;  // line shapes 2 and 3 are circle and rectangle areas
constexpr int32_t AreaKindOffset = 4;  // an area of line shape s is a user line of kind s + 4
constexpr int32_t FieldKind = 7;
constexpr int32_t SymbolReach = 9;

ScreenPoint EntryPixel(int32_t entry)
{
    return RouteTable[size_t(entry)].screenPoint;
}

// A number in a label box whose lower right corner lies LabelOffset px left of and above point.
void DrawPointNumber(TForm1& form, QPainter& canvas, const ScreenPoint& point, int32_t number)
{
    const std::string text = std::to_string(number);
    const QFontMetrics metrics(ChartOverlayFont(SetupParameters.Resolution));
    const int32_t width = metrics.horizontalAdvance(QString::fromStdString(text)) + 4;
    const int32_t height = metrics.height();
    const int64_t left = int64_t(point.x) - LabelOffset - width;
    const int64_t top = int64_t(point.y) - LabelOffset - height;
    if (left < -width || top < -height || left > form.chartRect.right || top > form.chartRect.bottom)
        return;
    DrawLabelBox(form, canvas, int32_t(left), text, UserColour(NumberColour), int32_t(top));
    AddPaintedArea(left, top, left + width, top + height);
}

void DrawLegs(TForm1& form, QPainter& canvas, const RouteLegRange& legs)
{
    for (int32_t leg = legs.first; leg <= legs.last; ++leg) {
        if (RouteTable[size_t(leg)].legKind == GreatCircleLeg &&
            DrawGreatCircleLeg(form, canvas, leg, GreatCircleWidth))
            continue;
        DrawRouteLeg(form, canvas, leg, true, RouteLegCheckRequest);
    }
}

// The legs from the last placed waypoint to the cursor, and the next waypoint's number.
void DrawRouteDrawing(TForm1& form, QPainter& canvas)
{
    const int32_t placed = std::min(RouteEntryCount(), MaxRouteWaypoints);
    if (placed < 1)
        return;
    AddPaintedLine(EntryPixel(placed - 1), CursorPixel, 2);
    const int32_t last = placed - 1;
    const bool greatCircle = RouteTable[size_t(last)].legKind == GreatCircleLeg &&
                             DrawGreatCircleLeg(form, canvas, last, GreatCircleWidth);
    if (!greatCircle) {
        ComputeWaypointTurn(placed);
        if (placed > 1)
            ComputeWaypointTurn(placed - 1);
        DrawLegs(form, canvas, DrawingRubberBandLegs(placed));
    }
    DrawPointNumber(form, canvas, CursorPixel, placed + 1);
}

// The legs around the dragged waypoint, and its number.
void DrawDraggedWaypoint(TForm1& form, QPainter& canvas)
{
    const int32_t count = RouteEntryCount();
    const int32_t waypoint = PickedPoint;
    if (waypoint < 1 || waypoint > count)
        return;
    for (int32_t entry = std::max(waypoint - 2, 0); entry <= std::min(waypoint, count - 1); ++entry)
        ComputeWaypointTurn(entry);
    DrawLegs(form, canvas, DraggedWaypointLegs(waypoint, count));
    DrawPointNumber(form, canvas, EntryPixel(waypoint - 1), waypoint);
}

void DrawRouteRubberBand(TForm1& form, QPainter& canvas)
{
    const bool drawing = RouteEditMode == RouteDrawing;
    const bool dragging = RouteEditMode == RouteEditing && PickedPoint > 0;
    if (!drawing && !dragging)
        return;
    const bool check = RouteLegCheckRequest;
    if (check) {
        form.CheckPanel->show();
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    if (drawing)
        DrawRouteDrawing(form, canvas);
    else
        DrawDraggedWaypoint(form, canvas);
    if (check) {
        form.CheckPanel->hide();
        QApplication::restoreOverrideCursor();
        RouteLegCheckRequest = false;
    }
}

// The line being drawn: its placed points and the stretch from the last one to the cursor.
void DrawLineRubberBand(TForm1& form, QPainter& canvas)
{
    const int32_t placed = std::min(DrawnPointCount, MaxRouteWaypoints);
    if (LineEditPhase != LineDrawing || placed < 1)
        return;
    const uint32_t colour = UserColourTable[std::min<size_t>(SetupParameters.LineColour, UserColourTable.size() - 1)];
    std::vector<QPoint> points;
    for (int32_t i = 0; i < placed; ++i) {
        points.emplace_back(LinePoints[size_t(i)].x, LinePoints[size_t(i)].y);
        if (i > 0)
            AddPaintedLine(LinePoints[size_t(i - 1)], LinePoints[size_t(i)], RubberBandWidth);
    }
    canvas.setPen(OverlayPen(WindowsColour(colour), RubberBandWidth));
    canvas.drawPolyline(points.data(), int(points.size()));
    const ScreenPoint& last = LinePoints[size_t(placed - 1)];
    DrawLineSegment(form, canvas, colour, CursorPixel.x, CursorPixel.y, last.x, last.y, RubberBandWidth);
    AddPaintedLine(last, CursorPixel, RubberBandWidth);
}

// A circle or rectangle area, or the data area, between its first click and the cursor.
void DrawAreaPreview(TForm1& form, QPainter& canvas)
{
    if (DrawnPointCount != 1 || !MainMapView)
        return;
    const int32_t shape = SetupParameters.LineKind;
    int32_t kind = 0;
    int32_t colour = 0;
    if (DataAreaSelection) {
        kind = FieldKind;
        colour = DataAreaColour;
    } else if (!form.LineBar->isHidden() && shape >= FirstAreaShape) {
        kind = shape + AreaKindOffset;
        colour = SetupParameters.LineColour;
    } else {
        return;
    }
    ScreenPoint anchor{};
    if (!MainMapView->GeoToScreen(form.chartRect, AnchorGeo, anchor))
        return;
    DrawUserLineSegment(form, canvas, AnchorGeo, colour, kind, form.cursorChartPoint);
    if (kind == FieldKind) {
        AddPaintedLine(anchor, CursorPixel, 2);
        return;
    }
    const int64_t radius =
        int64_t(std::ceil(std::hypot(double(CursorPixel.x) - anchor.x, double(CursorPixel.y) - anchor.y))) + 2;
    AddPaintedArea(anchor.x - radius, anchor.y - radius, anchor.x + radius, anchor.y + radius);
}

void DrawSymbolUnderCursor(TForm1& form, QPainter& canvas)
{
    if (!SymbolPlaceMode)
        return;
    DrawMaskedIcon(form, canvas, SetupParameters.CurrentSymbol, SetupParameters.SymbolColour, CursorPixel.x,
                   CursorPixel.y);
    AddPaintedPoint(CursorPixel, SymbolReach);
}

}  // namespace

RouteLegRange DrawingRubberBandLegs(int32_t placed)
{
    const int32_t n = std::min(placed, MaxRouteWaypoints);
    if (n < 1)
        return {};
    return {std::max(n - 3, 0), n - 1};
}

RouteLegRange DraggedWaypointLegs(int32_t waypoint, int32_t count)
{
    const int32_t lastLeg = std::min(count, MaxRouteEntries) - 2;
    if (waypoint < 1 || waypoint > count || lastLeg < 0)
        return {};
    return {std::max(waypoint - 3, 0), std::min(waypoint, lastLeg)};
}

void DrawRubberBand(TForm1& form, QPainter& canvas)
{
    DrawRouteRubberBand(form, canvas);
    DrawLineRubberBand(form, canvas);
    DrawAreaPreview(form, canvas);
    DrawSymbolUnderCursor(form, canvas);
}
