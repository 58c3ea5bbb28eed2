#pragma once
// The rubber band of the drawing tools: while a route or a line is drawn, the stretch from the
// last placed point to the cursor; while a waypoint is dragged, the legs around it; the preview
// of a circle or rectangle area and of the data area between its first click and the cursor;
// and the chosen symbol under the cursor while symbols are placed.
//
// The state below is what the chart's mouse input keeps while the user draws, beside the editing
// state (EditingState.h: DrawnPointCount, LineEditPhase); the dynamic overlay draws the rubber
// band from both. Main thread only.

#include "frame/PixelGeometry.h"
#include "userdata/RouteTable.h"

#include <array>
#include <cstdint>

class QPainter;
class TForm1;

extern int32_t PickedPoint;  // 1-based route or line point being dragged, -1 none
// Screen points of the line being drawn or edited, indexed like the route entries.
extern std::array<ScreenPoint, RouteTableEntries> LinePoints;
// The route legs drawn next are checked against the chart dangers (the route legs' check).
extern bool RouteLegCheckRequest;

// Every value back to idle (start-up and tests).
void ResetRubberBand();

// Route legs a rubber band redraws, first to last (none when first > last): around the floating
// waypoint while n waypoints are placed (at most MaxRouteWaypoints count, so that the floating
// one stays an entry of the table), and around waypoint w (numbered from 1) of a route of count
// waypoints while it is dragged. Only legs between two entries of the table are named.
struct RouteLegRange {
    int32_t first = 0;
    int32_t last = -1;
};
RouteLegRange DrawingRubberBandLegs(int32_t placed);
RouteLegRange DraggedWaypointLegs(int32_t waypoint, int32_t count);

// Draws whatever the drawing tools have under way on the canvas and adds it to the painted area.
void DrawRubberBand(TForm1& form, QPainter& canvas);
