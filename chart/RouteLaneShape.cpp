#include "chart/RouteLaneShape.h"

#include "frame/PixelGeometry.h"

#include <cmath>

namespace {

// IntersectSegments: the meeting point lies beyond the first segment's end and before the
// second's start; the segments cross each other.
constexpr int32_t BeyondBoth = 7;
constexpr int32_t OnBoth = 1;
// Points along a turn's path in its area polygon.
constexpr int TurnAreaSteps = 8;

ScreenPoint Rounded(const QPointF& point)
{
    return {int32_t(std::lround(point.x())), int32_t(std::lround(point.y()))};
}

}  // namespace

std::array<LaneEdge, 2> LaneEdges(const QPointF& from, const QPointF& to, const QPointF& offset)
{
    return {LaneEdge{from + offset, to + offset}, LaneEdge{from - offset, to - offset}};
}

LaneJoint JoinLaneEdges(const LaneEdge& incoming, const LaneEdge& outgoing)
{
    const ScreenPoint a = Rounded(incoming.from), b = Rounded(incoming.to);
    const ScreenPoint c = Rounded(outgoing.from), d = Rounded(outgoing.to);
    ScreenPoint meeting{};
    const int32_t result = IntersectSegments(a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y, &meeting);
    LaneJoint joint;
    if (result == BeyondBoth)
        joint.kind = LaneJoint::Corner;
    else if (result == OnBoth)
        joint.kind = LaneJoint::Crossing;
    else
        return joint;
    joint.point = QPointF(meeting.x, meeting.y);
    return joint;
}

LaneEdge TrimmedEdge(const LaneEdge& edge, const LaneJoint& atStart, const LaneJoint& atEnd)
{
    return {atStart.kind == LaneJoint::Crossing ? atStart.point : edge.from,
            atEnd.kind == LaneJoint::Crossing ? atEnd.point : edge.to};
}

QPainterPath LaneTurnPath(const LaneEdge& incoming, const LaneEdge& outgoing, const LaneJoint& joint,
                          const QPointF& centre, bool misfit, double previousBearing, double bearing)
{
    switch (joint.kind) {
    case LaneJoint::Crossing: {
        QPainterPath path(joint.point);
        path.lineTo(joint.point);
        return path;
    }
    case LaneJoint::Corner:
        if (misfit)
            break;
        return TurnPath(TurnPixels{joint.point, incoming.to, outgoing.from, centre, QLineF(centre, incoming.to).length()},
                        previousBearing, bearing);
    case LaneJoint::Apart: {
        QPainterPath path(incoming.to);
        path.lineTo(outgoing.from);
        return path;
    }
    }
    QPainterPath path(incoming.to);
    path.lineTo(joint.point);
    path.lineTo(outgoing.from);
    return path;
}

QPolygonF LanePolygon(const std::array<LaneEdge, 2>& edges)
{
    return QPolygonF{{edges[0].from, edges[0].to, edges[1].to, edges[1].from, edges[0].from}};
}

QPolygonF TurnAreaPolygon(const std::array<QPainterPath, 2>& sides)
{
    // Points along a side's path; one point for a path of (nearly) no length, which has no
    // points along it to take.
    const auto along = [](const QPainterPath& path) {
        QPolygonF points;
        if (path.length() < 0.5) {
            points << QPointF(path.elementAt(0));
            return points;
        }
        for (int step = 0; step <= TurnAreaSteps; ++step) {
            const QPointF point = path.pointAtPercent(double(step) / TurnAreaSteps);
            if (std::isfinite(point.x()) && std::isfinite(point.y()))
                points << point;
        }
        return points;
    };
    QPolygonF polygon = along(sides[0]);
    const QPolygonF back = along(sides[1]);
    for (auto point = back.rbegin(); point != back.rend(); ++point)
        polygon << *point;
    polygon << polygon.front();
    return polygon;
}
