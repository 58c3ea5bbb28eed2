// One evaluation of route following against independent geometry: GeographicLib's RhumbSolve
// and GeodSolve (distances in metres, 1852 m to the nautical mile).

#include "RouteTestSupport.h"
#include "userdata/RouteEvaluation.h"

#include <vector>

namespace {

// Leg 0 runs from A to W (RhumbSolve -i: "echo 54 10 54.3 10.5 | RhumbSolve -i -p 6" gives
// azimuth 44.37329654658), leg 1 due east from W to E.
const cmgbase::GeoPoint A = At(54.0, 10.0);
const cmgbase::GeoPoint W = At(54.3, 10.5);
const cmgbase::GeoPoint E = At(54.3, 11.0);

void FollowRoute(const std::vector<cmgbase::GeoPoint>& route, int32_t current)
{
    for (const cmgbase::GeoPoint& point : route)
        ASSERT_TRUE(AppendRouteEntry(Waypoint(point)));
    for (int32_t n = 0; n + 1 < WaypointCount; ++n)
        ComputeRouteLeg(n);
    RouteId = 3;
    RouteEditMode = RouteShown;
    CurrentWaypoint = current;
    NextStopWaypoint = WaypointCount - 1;
}

RouteEvaluationInput Own(const cmgbase::GeoPoint& own, int16_t radius = 0)
{
    RouteEvaluationInput input;
    input.ownPosition = own;
    input.arrivalRadius = radius;
    return input;
}

}  // namespace

TEST_F(RouteTest, CrossTrackErrorDistanceAndBearingOnALeg)
{
    // Each own position lies 5 nm back along leg 0 from W (the foot F,
    // "echo 54.3 10.5 224.37329654658 9260 | RhumbSolve -p 9") and then `offset` nm square to
    // the leg: "echo <F> 314.37329654658 <metres> | GeodSolve -p 9" to port (134.37... to
    // starboard). Distance and bearing to W: "echo <own> 54.3 10.5 | RhumbSolve -i -p 6".
    struct Case {
        double latitude, longitude;
        double crossTrack;   // nm, positive to port
        double distance;     // nm to W
        double bearing;      // degrees to W
    };
    const Case cases[] = {
        {54.24053513622202, 10.40060211586575, 0.0, 9260.0 / 1852, 44.37329654658},
        {54.24111691510519, 10.39958686779706, 0.05, 9260.397827 / 1852, 44.94582714995},
        {54.24635253767690, 10.39044834964799, 0.5, 9305.536375 / 1852, 50.08016725266},
        {54.26379957373527, 10.35996990282581, 2.0, 9970.904639 / 1852, 66.16377757810},
        {54.23704428219425, 10.40669300447494, -0.3, 9277.043297 / 1852, 40.94228335524},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.crossTrack);
        ResetRouteState();
        FollowRoute({A, W, E}, 1);
        const RouteEvaluationResult result = EvaluateRouteFollowing(Own(At(c.latitude, c.longitude)));
        ASSERT_TRUE(result.evaluated);
        EXPECT_FALSE(result.switched);
        EXPECT_EQ(CurrentWaypoint, 1);
        EXPECT_NEAR(CrossTrackError, c.crossTrack, 0.005);
        EXPECT_NEAR(DistanceToGo, c.distance, 0.01);
        EXPECT_NEAR(BearingToSteer, c.bearing, 0.1);
    }
}

TEST_F(RouteTest, SwitchAtTheWaypointAndEndAtTheLast)
{
    // Abeam of W on leg 0, 0.02 nm short and 0.02 nm past (no arrival radius).
    const cmgbase::GeoPoint shortOfW = Ahead(W, 224.373, 0.02);
    const cmgbase::GeoPoint pastW = Ahead(W, 44.373, 0.02);
    FollowRoute({A, W, E}, 1);
    EXPECT_FALSE(EvaluateRouteFollowing(Own(shortOfW)).switched);
    EXPECT_EQ(CurrentWaypoint, 1);

    NewWaypoint = 0;
    EXPECT_TRUE(EvaluateRouteFollowing(Own(pastW)).switched);
    EXPECT_EQ(CurrentWaypoint, 2);
    EXPECT_EQ(Turning, 1);
    EXPECT_EQ(NewWaypoint, 1);

    // At the last waypoint, 0.05 nm short of E with a 0.2 nm radius: the next leg's tests would
    // take the last waypoint's empty leg; only the distance and abeam count.
    ResetRouteState();
    FollowRoute({A, W, E}, 2);
    EvaluateRouteFollowing(Own(Ahead(E, 270, 0.05), 20));
    EXPECT_EQ(RouteEnded, 0);
    EXPECT_EQ(CurrentWaypoint, 2);
    EvaluateRouteFollowing(Own(Ahead(E, 90, 0.01), 20));
    EXPECT_EQ(RouteEnded, 1);
    EXPECT_EQ(CurrentWaypoint, 2) << "the last waypoint stays current";
}

TEST_F(RouteTest, EvaluationStaysInsideTheRoute)
{
    // The route shrank under the follower: the indexes come back inside it.
    FollowRoute({A, W, E}, 1);
    CurrentWaypoint = 7;
    NextStopWaypoint = 9;
    ASSERT_TRUE(EvaluateRouteFollowing(Own(Ahead(E, 270, 3))).evaluated);
    EXPECT_EQ(CurrentWaypoint, 2);
    EXPECT_EQ(NextStopWaypoint, 2);
    EXPECT_NEAR(DistanceToGo, 3, 0.01);

    // Fewer than two waypoints: nothing to follow, nothing written.
    ResetRouteState();
    FollowRoute({A}, 1);
    DistanceToGo = 4;
    EXPECT_FALSE(EvaluateRouteFollowing(Own(W)).evaluated);
    EXPECT_EQ(DistanceToGo, 4);
    EXPECT_EQ(CurrentWaypoint, 1);
}

TEST_F(RouteTest, ArrivalRadiusAndStartGrace)
{
    // 0.05 nm short of W on leg 0: inside the 0.2 nm radius the next leg's line is near; a
    // negative radius leaves only the abeam test.
    struct Case {
        const char* name;
        cmgbase::GeoPoint own;
        int16_t radius;
        int32_t grace;
        bool switched;
    };
    const Case cases[] = {
        {"near the next leg", Ahead(W, 224.373, 0.05), 20, 0, true},
        {"negative radius, short of W", Ahead(W, 224.373, 0.05), -20, 0, false},
        {"negative radius, abeam", Ahead(W, 44.373, 0.01), -20, 0, true},
        // 30 nm beyond W, farther than leg 0 is long (25.2 nm): only during the start's grace.
        {"far behind, no grace", Ahead(W, 44.373, 30), 0, 0, false},
        {"far behind, in the grace", Ahead(W, 44.373, 30), 0, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetRouteState();
        FollowRoute({A, W, E}, 1);
        StartGrace = c.grace;
        EXPECT_EQ(EvaluateRouteFollowing(Own(c.own, c.radius)).switched, c.switched);
        EXPECT_EQ(CurrentWaypoint, c.switched ? 2 : 1);
    }
}
