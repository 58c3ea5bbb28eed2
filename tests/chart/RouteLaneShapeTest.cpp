// How the lane edges of two route legs meet at a turn: corners where they fall short of each
// other, a crossing where a turn of small radius makes them overlap, and the turn's area
// between them.

#include "chart/RouteLaneShape.h"

#include <gtest/gtest.h>

namespace {

constexpr double kHalfWidth = 8;

struct Turn {
    std::array<LaneEdge, 2> incoming;  // north-going, ending at the turn start
    std::array<LaneEdge, 2> outgoing;  // east-going, from the turn end
    QPointF centre;
};

// A 90-degree turn to starboard at (100, 100) with an arc of `radius` px; the first edge of each
// leg is the starboard one, inside the turn.
Turn StarboardTurn(double radius)
{
    const QPointF start(100, 100 + radius);
    const QPointF end(100 + radius, 100);
    return {LaneEdges({100, 300}, start, {kHalfWidth, 0}), LaneEdges(end, {300, 100}, {0, kHalfWidth}),
            QPointF(100 + radius, 100 + radius)};
}

}  // namespace

TEST(RouteLaneShape, EdgesMeetAtCornersOrCrossWhereTheTurnIsTighterThanTheLane)
{
    struct Case {
        double radius;
        LaneJoint::Kind inner;
        QPointF innerPoint;
    };
    const Case cases[] = {{20, LaneJoint::Corner, {108, 108}}, {4, LaneJoint::Crossing, {108, 108}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.radius);
        const Turn turn = StarboardTurn(c.radius);
        const LaneJoint inner = JoinLaneEdges(turn.incoming[0], turn.outgoing[0]);
        const LaneJoint outer = JoinLaneEdges(turn.incoming[1], turn.outgoing[1]);
        EXPECT_EQ(inner.kind, c.inner);
        EXPECT_EQ(inner.point, c.innerPoint);
        EXPECT_EQ(outer.kind, LaneJoint::Corner);
        EXPECT_EQ(outer.point, QPointF(92, 92));
        // An edge starts at a crossing, else where it starts.
        const LaneEdge trimmed = TrimmedEdge(turn.outgoing[0], inner, LaneJoint{});
        EXPECT_EQ(trimmed.from, c.inner == LaneJoint::Crossing ? c.innerPoint : turn.outgoing[0].from);
        EXPECT_EQ(trimmed.to, turn.outgoing[0].to);
    }
    // Legs straight on: parallel edges are joined by a straight line.
    const std::array<LaneEdge, 2> before = LaneEdges({100, 300}, {100, 200}, {kHalfWidth, 0});
    const std::array<LaneEdge, 2> after = LaneEdges({100, 190}, {100, 100}, {kHalfWidth, 0});
    EXPECT_EQ(JoinLaneEdges(before[0], after[0]).kind, LaneJoint::Apart);
}

TEST(RouteLaneShape, TheTurnAreaLiesBetweenTheEdgesAroundTheTurn)
{
    for (const double radius : {20.0, 4.0}) {
        SCOPED_TRACE(radius);
        const Turn turn = StarboardTurn(radius);
        std::array<QPainterPath, 2> sides;
        for (size_t side = 0; side < 2; ++side)
            sides[side] = LaneTurnPath(turn.incoming[side], turn.outgoing[side],
                                       JoinLaneEdges(turn.incoming[side], turn.outgoing[side]), turn.centre, false,
                                       0, 90);
        const QPolygonF area = TurnAreaPolygon(sides);
        EXPECT_EQ(area.front(), area.back());
        // The route's own turn passes through it; beyond either edge is outside.
        const QPointF onTurn = turn.centre + radius * QPointF(-0.7071, -0.7071);
        EXPECT_TRUE(area.containsPoint(onTurn, Qt::OddEvenFill));
        EXPECT_FALSE(area.containsPoint({130, 130}, Qt::OddEvenFill));
        EXPECT_FALSE(area.containsPoint({80, 80}, Qt::OddEvenFill));
    }
}

TEST(RouteLaneShape, AMisfitTurnHasAStraightCornerOutside)
{
    const Turn turn = StarboardTurn(0);
    const LaneJoint outer = JoinLaneEdges(turn.incoming[1], turn.outgoing[1]);
    const QPainterPath path = LaneTurnPath(turn.incoming[1], turn.outgoing[1], outer, turn.centre, true, 0, 90);
    EXPECT_EQ(path.elementCount(), 3);
    EXPECT_EQ(QPointF(path.elementAt(1)), QPointF(92, 92));
}
