// Route following over sampled voyages: where the waypoint switches and the turn ends, and the
// cross-track error on the turn's arc, against independent geometry (GeographicLib's GeodSolve
// and RhumbSolve, distances in metres, 1852 m to the nautical mile).

#include "RouteTestSupport.h"
#include "frame/RhumbLine.h"
#include "userdata/RouteEvaluation.h"

#include <cmath>
#include <optional>
#include <vector>

namespace {

// Leg 0 from A to W bears 44.37329654658 ("echo 54 10 54.3 10.5 | RhumbSolve -i -p 9") and is
// 25.2 nm long; leg 1 runs 10 nm from W, turned by the case's angle to starboard:
// "echo 54.3 10.5 <44.37329654658 + angle> 18520 | RhumbSolve -p 9".
const cmgbase::GeoPoint A = At(54.0, 10.0);
const cmgbase::GeoPoint W = At(54.3, 10.5);
constexpr double Incoming = 44.37329654658;
constexpr double Step = 0.01;          // nm between samples
constexpr double Approach = 7.0;       // nm before W where the voyage starts
constexpr double TurnRadius = 0.5;     // nm, the default of RouteTestSupport

struct Turn {
    double angle;
    double latitude, longitude;  // the end of leg 1
};
const Turn Turn10{10, 54.39691663586105, 10.73149815924372};
const Turn Turn90{90, 54.18364338753690, 10.70305324432979};
const Turn Turn170{170, 54.16267117179709, 10.33965938228576};

void FollowTurn(const Turn& turn, int16_t stopMinutes)
{
    for (const cmgbase::GeoPoint& point : {A, W, At(turn.latitude, turn.longitude)})
        ASSERT_TRUE(AppendRouteEntry(Waypoint(point)));
    RouteTable[1].stopMinutes = stopMinutes;
    ComputeRouteLegs();
    for (int32_t n = 0; n < WaypointCount; ++n)
        ComputeWaypointTurn(n);
    RouteId = 3;
    RouteEditMode = RouteShown;
    CurrentWaypoint = 1;
    NextStopWaypoint = NextActiveWaypoint();
}

// Sample k of the voyage along leg 0 and on past W along its line: Approach - k x Step nm before W.
cmgbase::GeoPoint OnLeg0(int k)
{
    const double before = Approach - k * Step;
    return before >= 0 ? Ahead(W, Incoming + 180, before) : Ahead(W, Incoming, -before);
}

RouteEvaluationInput Sailing(const cmgbase::GeoPoint& own, double course, int16_t radius)
{
    RouteEvaluationInput input;
    input.ownPosition = own;
    input.displayCourse = float(course);
    input.arrivalRadius = radius;
    return input;
}

// The first sample of leg 0's voyage evaluated with waypoint 2 current; nothing when none is.
std::optional<int> SwitchSample(int16_t radius)
{
    for (int k = 0; k <= int(Approach / Step) + 50; ++k) {
        EvaluateRouteFollowing(Sailing(OnLeg0(k), Incoming, radius));
        if (CurrentWaypoint == 2)
            return k;
    }
    return std::nullopt;
}

}  // namespace

TEST_F(RouteTest, VoyagesSwitchWhereTheGeometryFirstHolds)
{
    // On the leg the ship is near the next leg's line once it is within the arrival radius of
    // the turn's start, R tan(angle / 2) before W for the turn radius R; it is past the wheel-over
    // line at the turn's start and abeam at W. A stop waypoint has no arc: its turn starts at W.
    // The sample where one of them first holds: tests/userdata/route-voyage-switches.py, which
    // measures them with GeodSolve and RhumbSolve. The route's rhumb bearings are taken at the
    // mean latitude, 0.07 degrees off RhumbSolve's here; near a reversal the sine of the small
    // angle between the legs magnifies that (170 degrees: 0.03 nm early or late).
    struct Case {
        const char* name;
        const Turn& turn;
        int16_t radius;  // 0.01 nm
        int16_t stopMinutes;
        int sample;      // where the switch first holds
        int tolerance;   // samples
    };
    const Case cases[] = {
        {"10 degrees", Turn10, 10, 0, 686, 1},
        {"90 degrees", Turn90, 10, 0, 640, 1},
        {"170 degrees", Turn170, 10, 0, 119, 3},
        {"no radius: the turn's start", Turn90, 0, 0, 650, 1},
        {"a stop at W", Turn90, 10, 30, 690, 1},
        {"negative radius: abeam of W only", Turn90, -10, 0, 701, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetRouteState();
        FollowTurn(c.turn, c.stopMinutes);
        ASSERT_EQ(NextStopWaypoint, c.stopMinutes ? 1 : 2);
        const std::optional<int> sample = SwitchSample(c.radius);
        ASSERT_TRUE(sample.has_value());
        EXPECT_NEAR(*sample, c.sample, c.tolerance);
        EXPECT_EQ(Turning, 1);
        EXPECT_EQ(NewWaypoint, 1);
        EXPECT_EQ(NextStopWaypoint, 2) << "the stop passed, the last waypoint is the next";
    }
}

TEST_F(RouteTest, TheTurnEndsAbeamOfItsEndOrOfTheWheelOverPointLeft)
{
    // After the switch at W (10 degrees) the ship sails leg 1 in steps of 0.01 nm. The turn ends
    // once the turn's end, 0.5 tan 5 = 0.0437 nm past W, is abeam; with the painter's wheel-over
    // flag, once its point (here 1 nm short of the last waypoint, 9 nm past W) is abeam.
    const double outgoing = Incoming + Turn10.angle;
    struct Case {
        const char* name;
        bool wheelOver;
        double endPast;  // nm past W
    };
    const Case cases[] = {
        {"at the turn's end", false, TurnRadius * std::tan(5 * M_PI / 180)},
        {"at the wheel-over point", true, 9.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetRouteState();
        FollowTurn(Turn10, 0);
        ASSERT_TRUE(SwitchSample(0).has_value());
        std::optional<int> ended;
        for (int k = 0; k <= 1000 && !ended; ++k) {
            RouteEvaluationInput input = Sailing(Ahead(W, outgoing, k * Step), outgoing, 0);
            input.wheelOver = c.wheelOver;
            input.wheelOverPoint = Ahead(W, outgoing, 9.0);
            EvaluateRouteFollowing(input);
            if (!Turning)
                ended = k;
        }
        ASSERT_TRUE(ended.has_value());
        EXPECT_NEAR(*ended, int(std::ceil(c.endPast / Step)), 1);
        EXPECT_EQ(CurrentWaypoint, 2);
        EXPECT_EQ(RouteEnded, 0);
    }
}

TEST_F(RouteTest, CrossTrackErrorOnTheArcOfA90DegreeTurn)
{
    // The turn at W to starboard: its centre lies 0.5 / sin 45 nm from W on the bisector,
    // "echo 54.3 10.5 179.37329654658 1309.5618 | GeodSolve -p 9" (54.28823575688302,
    // 10.50021995279105), and the arc runs 0.5 nm (926 m) around it. The own ship is put at
    // "echo <centre> <azimuth> <metres> | GeodSolve -p 9" on the start, middle and end side of
    // the arc: outside it (to port of the track: positive, steer right) and inside.
    struct Case {
        double metres;  // from the centre
        double latitude, longitude;
    };
    const Case cases[] = {
        {1018.6, 54.29610995791567, 10.49225002483939},
        {1018.6, 54.29738619200468, 10.50004883174400},
        {1018.6, 54.29621006888274, 10.50789351817099},
        {926.0, 54.29655433485367, 10.50006439133829},
        {870.44, 54.29496465295774, 10.49340947607733},
        {870.44, 54.29605522050669, 10.50007372679379},
        {870.44, 54.29505019995710, 10.50677717892975},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.metres);
        ResetRouteState();
        FollowTurn(Turn90, 0);
        ASSERT_TRUE(SwitchSample(0).has_value());
        RouteEvaluationInput input = Sailing(At(c.latitude, c.longitude), Incoming + 45, 0);
        ASSERT_TRUE(EvaluateRouteFollowing(input).evaluated);
        ASSERT_EQ(Turning, 1) << "still in the turn";
        EXPECT_NEAR(CrossTrackError, (c.metres - 926.0) / 1852, 0.002);
        // Inside the lane (0.1 nm) the bearing to steer follows the arc: square to the centre.
        if (std::fabs(c.metres - 926.0) / 1852 < 0.1) {
            const double toCentre = std::fmod(BearingToSteer + 90.0, 360.0);
            double centreBearing = 0, distance = 0;
            cmgbase::GeoPoint centre = At(54.28823575688302, 10.50021995279105);
            RhumbLineInverse(distance, centreBearing, centre, At(c.latitude, c.longitude));
            EXPECT_NEAR(toCentre, centreBearing, 0.2);
        }
    }
}

TEST_F(RouteTest, WithoutAnArcTheTurnIsSteeredAndMeasuredOnTheNewLeg)
{
    // A stop at W has no arc: switched 0.1 nm short of W (the arrival radius), the ship is still
    // turning 0.05 nm short of it. It lies 0.05 nm to starboard of leg 1's line through W and
    // steers leg 1's way to the last waypoint, not round W.
    FollowTurn(Turn90, 30);
    ASSERT_TRUE(SwitchSample(10).has_value());
    const cmgbase::GeoPoint own = Ahead(W, Incoming + 180, 0.05);
    ASSERT_TRUE(EvaluateRouteFollowing(Sailing(own, Incoming, 10)).evaluated);
    ASSERT_EQ(Turning, 1);
    EXPECT_NEAR(CrossTrackError, -0.05, 0.002);
    double distance = 0, bearing = 0;
    RhumbLineInverse(distance, bearing, At(Turn90.latitude, Turn90.longitude), own);
    EXPECT_NEAR(BearingToSteer, bearing, 0.01);
}
