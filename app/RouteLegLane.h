#pragma once
// The lane of a route leg and the area of the turn at the waypoint it leaves from: their chart
// check into the entries' danger flags and their dotted edges in the colour the flags give.
// Main thread only.

#include "platform/geodesy/GeoTypes.h"

#include <QPointF>

#include <cstdint>
#include <optional>

class QPainter;
class TForm1;
struct WP_typ;

// The pixel of a chart position on the main chart; none off the projection.
std::optional<QPointF> ChartPixel(const TForm1& form, const cmgbase::GeoPoint& position);

// Half the lane of a leg in nautical miles: its own, else the default lane of the settings.
double LaneHalfWidth(const WP_typ& entry);

// Whether the turn at an entry's waypoint is drawn and the legs end at its turn points: turns
// are shown (the RouteLegs setting) or a route is drawn or edited, and the turn was computed
// since the entry was filled. Else the legs run from waypoint to waypoint.
bool TurnShown(const WP_typ& entry);

// Where the leg from entry `leg` lies on the main chart: from the turn end of its waypoint to
// the turn start of the next (TurnShown, else the waypoints themselves), and the pixels a nautical mile takes along it. None while either
// end has no pixel or the ends coincide.
struct LegPixels {
    QPointF from;
    QPointF to;
    double pixelsPerMile = 0;
};
std::optional<LegPixels> PlaceLeg(const TForm1& form, int32_t leg);

// A leg placed with its neighbours: the one before it (none for the first leg) and the one
// after it (none for the last), each only where PlaceLeg places it.
struct PlacedLegs {
    std::optional<LegPixels> previous;
    std::optional<LegPixels> leg;
    std::optional<LegPixels> next;
};
PlacedLegs PlaceLegs(const TForm1& form, int32_t leg);

// The route entry that keeps the check bits of the turn at waypoint `leg`: the waypoint's own,
// or the one before it while the route is shown reversed.
int32_t TurnFlagsEntry(int32_t leg);

// The chart check of the leg's lane and (for a leg after the first) of the turn area at its
// waypoint, their bits set in the danger flags (RouteDangerFlags.h); nothing for a leg that
// PlaceLeg does not place.
void CheckLegLane(const TForm1& form, int32_t leg);

// With `check`, CheckLegLane first; with `shown`, the lane edges and the turn area's edges are
// drawn dotted: the button face where the check failed, user colour 1 for a danger for the
// depth, 7 for one for the height, else 3. The lane edges stop where they cross the neighbouring
// legs'; the first leg's lane is closed by its start edge.
void DrawLegLane(TForm1& form, QPainter& canvas, int32_t leg, const PlacedLegs& placed, bool shown, bool check);
