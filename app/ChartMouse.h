#pragma once
// The chart's mouse input: the buttons as the handlers number them, the pick distances, and the
// click rules of each button, which the press handler (TForm1::CM93MouseDown) tries in order.
// Main thread only.

#include "frame/PixelGeometry.h"

#include <cstdint>
#include <cstdlib>

class QObject;
class TForm1;

enum ChartMouseButton : int32_t {
    LeftButton = 0,
    RightButton = 1,
    MiddleButton = 2,
};

// Pixel distances, tested on both axes and strictly (a point 12 px away is not on the own ship).
constexpr int32_t OwnShipReach = 12;  // the own ship, a target, a light marker
constexpr int32_t WaypointReach = 7;  // a route waypoint, a line point, a track sample
constexpr int32_t TooCloseReach = 5;  // a new point this near the last one is not taken

inline bool WithinReach(ScreenPoint a, ScreenPoint b, int32_t reach)
{
    return std::abs(int64_t(a.x) - b.x) < reach && std::abs(int64_t(a.y) - b.y) < reach;
}

// What a click at (x, y) is, besides where: whether it came from a real press on CM93 (not one
// sent on by another handler), and whether it lies on the own ship.
struct ChartClick {
    int32_t x = 0;
    int32_t y = 0;
    bool real = true;
    bool onOwnShip = false;
    ScreenPoint pixel() const { return {x, y}; }
};

// The rules of each button, tried in order until one takes the click. A left click with `real`
// false is a right click sent on as a left one (a route picked reversed); it never zooms.
void LeftClickRules(TForm1& form, const ChartClick& click);
void RightClickRules(TForm1& form, const ChartClick& click);

// Left click of the query button: the object, waypoint, track sample, target track or chart
// objects under the click.
void QueryClick(TForm1& form, const ChartClick& click);

// PickMode 2 with the route bar's delete button down: the route picked next is deleted.
// (PickMode alone also names the kind the object bar lists.)
bool RouteDeletePick(const TForm1& form);

// Left click while a route or line is picked from the object bar's kind (ObjectPickKind 2 or 3).
void PickObjectClick(TForm1& form, const ChartClick& click);

// Points of the route or line being drawn or edited: adding (left), dragging and inserting
// (left), deleting (right). Each returns true when the click was for it.
bool AddPointClick(TForm1& form, const ChartClick& click);
bool EditPointClick(TForm1& form, const ChartClick& click);
bool DeletePointClick(TForm1& form, const ChartClick& click);
// The dragged point follows the cursor (the move handler's step while PickedPoint is above 0).
void FollowDraggedPoint(TForm1& form);

// The bearing tool's clicks: left sets or clears the origin, right freezes the line or makes
// it a route, middle keeps it on the chart.
void BearingLeftClick(TForm1& form, const ChartClick& click);
void BearingRightClick(TForm1& form, const ChartClick& click);
bool BearingMiddleClick(TForm1& form);

// The symbol tool's clicks: a new symbol at the click; a symbol picked, then moved.
void PlaceSymbolClick(TForm1& form, const ChartClick& click);
void MoveSymbolClick(TForm1& form, const ChartClick& click);

// A click on a chart while an alarm sounds (and no replay runs): it silences the alarm and
// either clears it, or, for an alarm that stays until its cause is gone, acknowledges it; a
// further click then goes on. True when the click was taken for the alarm.
bool AcknowledgeAlarmClick(TForm1& form);

// After a zoom by a click: Auto off, the pointer to the chart's centre, the zoom panel focused.
void FinishClickZoom(TForm1& form);
