#include "app/RouteLegLane.h"

#include "app/RouteLegCheck.h"
#include "app/TForm1.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/RouteLaneShape.h"
#include "frame/SetupParameters.h"
#include "userdata/RouteDangerFlags.h"
#include "userdata/RouteTable.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double Radian = std::numbers::pi / 180.0;

// The entries that make legs: the route's waypoints and, while a route is drawn, the point
// under the cursor after them.
int32_t LastLegEnd()
{
    return RouteEntryCount() - (RouteEditMode == RouteDrawing ? 0 : 1);
}

struct Lane {
    LegPixels pixels;
    std::array<LaneEdge, 2> edges;
};

std::optional<Lane> LaneOf(int32_t leg, const std::optional<LegPixels>& pixels)
{
    if (!pixels)
        return std::nullopt;
    const WP_typ& entry = RouteTable[size_t(leg)];
    const double rotation = MainMapView ? MainMapView->rotation : 0.0;
    const double normal = (entry.legBearing + 90.0 - rotation) * Radian;
    const double half = LaneHalfWidth(entry) * pixels->pixelsPerMile;
    const QPointF offset(std::sin(normal) * half, -std::cos(normal) * half);
    return Lane{*pixels, LaneEdges(pixels->from, pixels->to, offset)};
}

QColor LaneColour(uint8_t laneBits)
{
    if (laneBits & LaneCheckFailed)
        return QApplication::palette().color(QPalette::Button);
    if (laneBits & LaneDepthDanger)
        return UserColour(1);
    if (laneBits & LaneHeightDanger)
        return UserColour(7);
    return UserColour(3);
}

void SetCheckBits(int32_t entry, uint8_t mask, uint8_t bits)
{
    WP_typ& target = RouteTable[size_t(entry)];
    target.dangerFlags = uint8_t((target.dangerFlags & ~mask) | bits);
}

}  // namespace

std::optional<QPointF> ChartPixel(const TForm1& form, const cmgbase::GeoPoint& position)
{
    ScreenPoint point{};
    if (!MainMapView || !MainMapView->GeoToScreen(form.chartRect, position, point))
        return std::nullopt;
    return QPointF(point.x, point.y);
}

std::optional<LegPixels> PlaceLeg(const TForm1& form, int32_t leg)
{
    if (leg < 0 || leg + 1 >= RouteTableEntries)
        return std::nullopt;
    const WP_typ& entry = RouteTable[size_t(leg)];
    const WP_typ& next = RouteTable[size_t(leg + 1)];
    const ScreenPoint here = entry.screenPoint;
    const ScreenPoint there = next.screenPoint;
    if ((there.x == 0 && there.y == 0) || (there.x == here.x && there.y == here.y))
        return std::nullopt;
    const cmgbase::GeoPoint start = TurnShown(entry) ? entry.turnEnd : entry.position;
    const cmgbase::GeoPoint end = TurnShown(next) ? next.turnStart : next.position;
    const std::optional<QPointF> from = ChartPixel(form, start);
    const std::optional<QPointF> to = ChartPixel(form, end);
    if (!from || !to || *from == *to)
        return std::nullopt;
    // The lane, the turn radius and the marks are given in miles: the leg gives the scale.
    const double screenLength = std::hypot(double(there.x) - here.x, double(there.y) - here.y);
    const double distance = entry.legDistance;
    return LegPixels{*from, *to, distance > 0 ? screenLength / distance : 0.0};
}

double LaneHalfWidth(const WP_typ& entry)
{
    const int32_t lane = entry.lane ? int32_t(entry.lane) : int32_t(SetupParameters.DefaultLane);
    return std::max(lane, 0) * 0.01;
}

bool TurnShown(const WP_typ& entry)
{
    return entry.turnComputed && (SetupParameters.RouteLegs || RouteEditMode >= RouteDrawing);
}

int32_t TurnFlagsEntry(int32_t leg)
{
    return RouteForward ? leg : leg - 1;
}

PlacedLegs PlaceLegs(const TForm1& form, int32_t leg)
{
    PlacedLegs placed;
    placed.leg = PlaceLeg(form, leg);
    if (!placed.leg)
        return placed;
    const int32_t last = LastLegEnd();
    if (leg >= 1 && leg <= last)
        placed.previous = PlaceLeg(form, leg - 1);
    if (leg + 2 <= last)
        placed.next = PlaceLeg(form, leg + 1);
    return placed;
}

namespace {

// The lane of a leg as drawn: its edges cut back where they cross the neighbouring legs' edges,
// and the two sides of the turn area at its waypoint (for a leg after the first).
struct LaneGeometry {
    Lane lane;
    std::array<LaneEdge, 2> edges;
    std::array<QPainterPath, 2> turnSides;
    int32_t turnEntry = -1;  // -1: no turn area
};

std::optional<LaneGeometry> GeometryOf(const TForm1& form, int32_t leg, const PlacedLegs& placed)
{
    const std::optional<Lane> lane = LaneOf(leg, placed.leg);
    if (!lane)
        return std::nullopt;
    const std::optional<Lane> previous = placed.previous ? LaneOf(leg - 1, placed.previous) : std::nullopt;
    const std::optional<Lane> next = placed.next ? LaneOf(leg + 1, placed.next) : std::nullopt;
    const WP_typ& entry = RouteTable[size_t(leg)];
    LaneGeometry geometry{*lane, {}, {}, previous ? TurnFlagsEntry(leg) : -1};
    const QPointF centre =
        previous ? ChartPixel(form, entry.turnCentre).value_or(lane->pixels.from) : lane->pixels.from;
    for (size_t side = 0; side < 2; ++side) {
        const LaneJoint start = previous ? JoinLaneEdges(previous->edges[side], lane->edges[side]) : LaneJoint{};
        const LaneJoint end = next ? JoinLaneEdges(lane->edges[side], next->edges[side]) : LaneJoint{};
        geometry.edges[side] = TrimmedEdge(lane->edges[side], start, end);
        if (previous)
            geometry.turnSides[side] =
                LaneTurnPath(previous->edges[side], lane->edges[side], start, centre, entry.turnMisfit != 0,
                             RouteTable[size_t(leg - 1)].legBearing, entry.legBearing);
    }
    return geometry;
}

void Check(const TForm1& form, int32_t leg, const LaneGeometry& geometry)
{
    SetCheckBits(leg, LaneCheckBits, CheckRouteArea(form, LanePolygon(geometry.lane.edges)));
    if (geometry.turnEntry >= 0)
        SetCheckBits(geometry.turnEntry, TurnCheckBits,
                     uint8_t(CheckRouteArea(form, TurnAreaPolygon(geometry.turnSides)) << 1));
}

}  // namespace

void CheckLegLane(const TForm1& form, int32_t leg)
{
    if (const std::optional<LaneGeometry> geometry = GeometryOf(form, leg, PlaceLegs(form, leg)))
        Check(form, leg, *geometry);
}

void DrawLegLane(TForm1& form, QPainter& canvas, int32_t leg, const PlacedLegs& placed, bool shown, bool check)
{
    if (!shown && !check)
        return;
    const std::optional<LaneGeometry> geometry = GeometryOf(form, leg, placed);
    if (!geometry)
        return;
    if (check)
        Check(form, leg, *geometry);
    if (!shown)
        return;
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(OverlayPen(LaneColour(RouteTable[size_t(leg)].dangerFlags & LaneCheckBits), 1, Qt::DotLine));
    for (const LaneEdge& edge : geometry->edges)
        canvas.drawLine(edge.from, edge.to);
    if (leg == 0)
        canvas.drawLine(geometry->lane.edges[0].from, geometry->lane.edges[1].from);
    if (geometry->turnEntry >= 0) {
        const uint8_t turnBits = RouteTable[size_t(geometry->turnEntry)].dangerFlags & TurnCheckBits;
        canvas.setPen(OverlayPen(LaneColour(uint8_t(turnBits >> 1)), 1, Qt::DotLine));
        for (const QPainterPath& path : geometry->turnSides)
            canvas.drawPath(path);
    }
}
