#pragma once
// The lane of a route leg on a chart canvas, in screen pixels: its two edges (the leg shifted to
// either side by the lane half-width), how the edges of neighbouring legs meet at the waypoint
// between them, the edges around a turn and the polygons the chart check takes.

#include "chart/RouteLegShape.h"

#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>

#include <array>

struct LaneEdge {
    QPointF from;
    QPointF to;
};

// The edges of the leg from `from` to `to`: the first shifted by +offset, the second by -offset.
std::array<LaneEdge, 2> LaneEdges(const QPointF& from, const QPointF& to, const QPointF& offset);

// How the edge of the leg into a waypoint meets the edge on the same side of the leg out of it.
struct LaneJoint {
    enum Kind : uint8_t {
        Apart,     // parallel, or meeting nowhere near: joined by a straight line
        Corner,    // the edges' lines meet beyond the end of the one and before the start of the other
        Crossing,  // the edges cross each other: each stops there
    };
    Kind kind = Apart;
    QPointF point;  // Corner and Crossing: where the lines meet
};
LaneJoint JoinLaneEdges(const LaneEdge& incoming, const LaneEdge& outgoing);

// The edge cut back to the crossings of its joints at either end (Crossing joints only).
LaneEdge TrimmedEdge(const LaneEdge& edge, const LaneJoint& atStart, const LaneJoint& atEnd);

// The lane edge around the turn on one side, from the end of the incoming edge to the start of
// the outgoing one. A Corner follows the turn: with `misfit` (no arc, a sharp corner) two straight
// lines through the corner, else TurnPath with the corner as the point the curve is pulled to
// and the arc around the turn's centre. A Crossing is the crossing point alone; Apart a straight
// line between the two ends.
QPainterPath LaneTurnPath(const LaneEdge& incoming, const LaneEdge& outgoing, const LaneJoint& joint,
                          const QPointF& centre, bool misfit, double previousBearing, double bearing);

// The lane's polygon, closed: along the first edge, back along the second.
QPolygonF LanePolygon(const std::array<LaneEdge, 2>& edges);

// The area of the turn between the lane edges of both sides, closed: the first side's path from
// the incoming to the outgoing leg, back along the second side's.
QPolygonF TurnAreaPolygon(const std::array<QPainterPath, 2>& sides);
