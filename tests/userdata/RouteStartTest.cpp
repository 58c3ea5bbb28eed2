// Starting to follow a route: the waypoint steered to first, the own position put ahead of the
// route, and the routes that cannot be followed.

#include "RouteTestSupport.h"
#include "userdata/RouteEvaluation.h"
#include "userdata/RouteStart.h"

#include <cmath>
#include <optional>
#include <vector>

namespace {

const cmgbase::GeoPoint A = At(54.0, 10.0);
const cmgbase::GeoPoint B = At(54.1, 10.0);
const cmgbase::GeoPoint C = At(54.1, 10.2);

struct StartCase {
    const char* name;
    std::vector<cmgbase::GeoPoint> route;
    std::optional<cmgbase::GeoPoint> own;
    bool started;
    int32_t current;
    int32_t count;
    bool inserted;
    double bearing = -1;  // the bearing steered until the first evaluation, where stated
};

std::vector<cmgbase::GeoPoint> LongRoute()
{
    std::vector<cmgbase::GeoPoint> route;
    for (int i = 0; i < MaxRouteWaypoints; ++i)
        route.push_back(At(50 + i * 0.01, 3));
    return route;
}

}  // namespace

TEST_F(RouteTest, StartCases)
{
    const StartCase cases[] = {
        {"beside waypoint 1", {A, B, C}, At(54.1, 10.01), true, 1, 3, false, 270},
        {"waypoint 1 again at the end: the first of equals", {A, B, C, B}, At(54.1, 10.01), true, 1, 4,
         false},
        {"beside the last waypoint", {A, B, C}, At(54.1, 10.19), true, 2, 3, false},
        {"on the first leg, nearer waypoint 0", {A, B, C}, At(54.02, 10.0), true, 1, 3, false},
        {"behind waypoint 0: own position put ahead", {A, B, C}, At(53.95, 10.0), true, 1, 4, true},
        {"no live position: on waypoint 0", {A, B, C}, std::nullopt, true, 1, 3, false},
        {"500 waypoints and the own position", LongRoute(), At(49.9, 3), true, 1, MaxRouteEntries, true},
        {"one waypoint", {A}, At(53.95, 10.0), false, 7, 1, false},
        {"one waypoint, no live position", {A}, std::nullopt, false, 7, 1, false},
        {"no waypoint", {}, At(53.95, 10.0), false, 7, 0, false},
    };
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.name);
        ResetRouteState();
        for (const cmgbase::GeoPoint& point : c.route)
            ASSERT_TRUE(AppendRouteEntry(Waypoint(point)));
        RouteId = 12;
        CurrentWaypoint = 7;
        RouteStartRequest = 1;
        DistanceToGo = 77.0f;
        BearingToSteer = 123.0f;
        CrossTrackError = 1.5;

        const RouteStartResult result = StartRouteFollowing(c.own);

        EXPECT_EQ(result.started, c.started);
        EXPECT_EQ(RouteStartRequest, 0) << "the request is taken, started or not";
        EXPECT_EQ(CurrentWaypoint, c.current);
        EXPECT_EQ(WaypointCount, c.count);
        EXPECT_EQ(OwnPositionInserted, c.inserted ? 1 : 0);
        if (!c.started) {
            EXPECT_EQ(RouteEditMode, 0);
            EXPECT_EQ(NewWaypoint, 0);
            EXPECT_EQ(StartGrace, 0);
            continue;
        }
        EXPECT_EQ(RouteEditMode, RouteShown);
        EXPECT_EQ(NewWaypoint, 1);
        EXPECT_EQ(StartGrace, 2);
        EXPECT_EQ(AlarmHold, 5);
        EXPECT_EQ(NextStopWaypoint, WaypointCount - 1);
        EXPECT_EQ(result.ownPosition, c.own.value_or(c.route.front()));
        // Until the first evaluation: the line to the waypoint steered to, nothing of before.
        const cmgbase::GeoPoint target = RouteTable[size_t(CurrentWaypoint)].position;
        EXPECT_NEAR(DistanceToGo, Between(result.ownPosition, target), 0.01);
        EXPECT_EQ(CrossTrackError, 0.0);
        if (c.bearing >= 0) {
            EXPECT_NEAR(BearingToSteer, c.bearing, 0.1);
        }
        const cmgbase::GeoPoint first = RouteTable[0].position;
        const cmgbase::GeoPoint steeredTo = RouteTable[1].position;
        if (c.inserted) {
            EXPECT_EQ(first, *c.own);
            EXPECT_EQ(steeredTo, c.route.front()) << "the route's first waypoint is steered to";
            EXPECT_FALSE(RouteTable[0].isStoredPoint());
        }
        // The leg from entry 0 is the one followed first: measured from its own ends.
        EXPECT_NEAR(RouteTable[0].legDistance, Between(first, steeredTo), 0.01);
        EXPECT_NEAR(std::fmod(RouteTable[0].legBearing, 360.0f), 0.0, 0.5);
    }
}

TEST_F(RouteTest, RestartTakesTheEarlierOwnPositionOut)
{
    for (const cmgbase::GeoPoint& point : {A, B, C})
        ASSERT_TRUE(AppendRouteEntry(Waypoint(point)));
    ASSERT_TRUE(StartRouteFollowing(At(53.95, 10.0)).started);
    ASSERT_EQ(WaypointCount, 4);

    // Now beside B: the own position of the first start is no waypoint any more.
    ASSERT_TRUE(StartRouteFollowing(At(54.1, 10.01)).started);
    EXPECT_EQ(WaypointCount, 3);
    EXPECT_EQ(OwnPositionInserted, 0);
    EXPECT_EQ(CurrentWaypoint, 1);
    const cmgbase::GeoPoint first = RouteTable[0].position;
    EXPECT_EQ(first, A);
}

TEST_F(RouteTest, StartKeepsAChosenStopOnItsWaypoint)
{
    for (const cmgbase::GeoPoint& point : {A, B, C})
        ASSERT_TRUE(AppendRouteEntry(Waypoint(point)));
    NextStopWaypoint = 1;  // B
    ASSERT_TRUE(StartRouteFollowing(At(53.95, 10.0)).started);
    ASSERT_EQ(OwnPositionInserted, 1);
    EXPECT_EQ(NextStopWaypoint, 2);
    const cmgbase::GeoPoint stop = RouteTable[2].position;
    EXPECT_EQ(stop, B);
}

TEST_F(RouteTest, ATurnAtTheFirstWaypointAfterTheOwnPositionIsPutAhead)
{
    // West of A, the route running north from A: the own position goes ahead of A and the ship
    // turns 90 degrees at A on the default 0.5 nm radius, so the approach ends 0.5 nm short of A.
    // "echo 54 9.9 54 10 | RhumbSolve -i -p 6" gives 6557.577375 m, the turn's start lies at
    // "echo 54 10 270 926 | RhumbSolve -p 9" (54, 9.98587893139512).
    for (const cmgbase::GeoPoint& point : {A, B, C})
        ASSERT_TRUE(AppendRouteEntry(Waypoint(point)));
    ComputeRouteLegs();
    for (int32_t n = 0; n < WaypointCount; ++n)
        ComputeWaypointTurn(n);
    ASSERT_TRUE(StartRouteFollowing(At(54.0, 9.9)).started);
    ASSERT_EQ(OwnPositionInserted, 1);
    const cmgbase::GeoPoint turnStart = RouteTable[1].turnStart;
    EXPECT_NEAR(cmgbase::nrm2deg(turnStart.x), 9.98587893139512, 2e-5);
    EXPECT_NEAR(cmgbase::nrm2deg(turnStart.y), 54.0, 2e-5);

    RouteEvaluationInput input;
    input.ownPosition = At(54.0, 9.9);
    ASSERT_TRUE(EvaluateRouteFollowing(input).evaluated);
    EXPECT_EQ(CurrentWaypoint, 1);
    EXPECT_NEAR(DistanceToGo, (6557.577375 - 926.0) / 1852, 0.01);
    EXPECT_NEAR(BearingToSteer, 90.0, 0.1);
}
