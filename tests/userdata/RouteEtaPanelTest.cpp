// The route panel's texts for a fixture of route-following states: the stop and its distance,
// ETA and time to go at the planned and at the current speed, the typed ETA and the speed it
// takes, the turn, the last waypoint, the cross-track error and the deviation.

#include "RouteTestSupport.h"
#include "userdata/RouteEtaPanel.h"

#include <string>

namespace {

constexpr int64_t Now = 1717236000;  // 2024-06-01 10:00:00 UTC
const std::string Deg = "\u00B0";

// Four waypoints: legs of 5, 20 and 100 nm; the leg from waypoint 1 is sailed at 5 kn, the
// others at the default 10 kn. Leg bearings 30, 90 and 180.
void LayRoute()
{
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(AppendRouteEntry(Waypoint(At(54.0 + i * 0.1, 10.0))));
    const float distances[] = {5, 20, 100, 0};
    const float bearings[] = {30, 90, 180, 0};
    for (int i = 0; i < 4; ++i) {
        RouteTable[size_t(i)].legDistance = distances[i];
        RouteTable[size_t(i)].legBearing = bearings[i];
    }
    RouteTable[1].speed = 50;
    RouteId = 5;
    RouteEditMode = RouteShown;
}

struct Following {
    int32_t current = 1;
    int32_t stop = 3;
    bool turning = false;
    bool inserted = false;
    float distanceToGo = 2.4f;
    float bearingToSteer = 45;
    double crossTrack = 0.123;
    const char* stopName = "";
    int16_t stopMinutes = 0;
};

struct Case {
    const char* name;
    Following route;
    RouteEtaPanelState state;
    RouteEtaPanelTexts expected;
};

RouteEtaPanelState Panel(bool current, float speed, float course, int32_t zone = 0, int32_t row = -1,
                         int64_t typed = 0)
{
    RouteEtaPanelState state;
    state.speedOverGround = speed;
    state.courseOverGround = course;
    state.now = Now;
    state.zoneHours = zone;
    state.currentSpeed = current;
    state.referenceRow = row;
    state.referenceTime = typed;
    return state;
}

}  // namespace

TEST_F(RouteTest, EtaPanelTexts)
{
    // Planned: 2.4 nm at the speed of waypoint 0 (10 kn), 20 nm at 5 kn, 100 nm at 10 kn: 14.24 h
    // from 10:00, as the route grid counts. Current: 22.4 nm to the stop at 12 kn, 1.87 h.
    const Case cases[] = {
        {"planned, to the last waypoint",
         {},
         Panel(false, 12, 50),
         {"To wp 4 (end)  Plan.", "122", "02.  00:14", "12 m. 00 s.", "Next WOP: 2 ", "045.0 " + Deg,
          "090.0 " + Deg, "2.40", "0.12", "5.0 " + Deg, false, 5}},
        {"planned, in zone time two hours ahead",
         {},
         Panel(false, 12, 50, -2),
         {"To wp 4 (end)  Plan.", "122", "02.  02:14", "12 m. 00 s.", "Next WOP: 2 ", "045.0 " + Deg,
          "090.0 " + Deg, "2.40", "0.12", "5.0 " + Deg, false, 5}},
        {"current speed, a named stop cut to 18 characters",
         {.stop = 2, .stopName = "Thomas Point Shoal Light", .stopMinutes = 30},
         Panel(true, 12, 50),
         {"Thomas Point Shoal Curr.", "22.4", "01.  11:52", "12 m. 00 s.", "Next WOP: 2 ", "045.0 " + Deg,
          "090.0 " + Deg, "2.40", "0.12", "5.0 " + Deg, false, 5}},
        {"current speed, stopped: no times",
         {.stop = 2, .stopMinutes = 30},
         Panel(true, 0, 50),
         {"To wp 3  Current spd.", "22.4", NoTimeText, NoTimeText, "Next WOP: 2 ", "045.0 " + Deg,
          "090.0 " + Deg, "2.40", "0.12", "5.0 " + Deg, false, 5}},
        {"own position inserted: the route's numbers",
         {.current = 2, .stop = 3, .inserted = true, .stopMinutes = 30},
         Panel(false, 12, 50),
         {"To wp 3  Planned spd.", "22.4", "01.  14:14", "12 m. 00 s.", "Next WOP: 2 ", "045.0 " + Deg,
          "090.0 " + Deg, "2.40", "0.12", "5.0 " + Deg, false, 5}},
        // 48 nm to the end of the turn round waypoint 3, then its leg of 100 nm, at 10 kn.
        {"turning towards the last waypoint, far off the track",
         {.current = 3, .turning = true, .distanceToGo = 48, .bearingToSteer = 20, .crossTrack = -12.34},
         Panel(false, 12, 350),
         {"To wp 4 (end)  Plan.", "148", "02.  00:48", "4 h. 00 m.", "Turn WP: 3 ", "020.0 " + Deg, "(end)",
          "48.0", "12.3", "-30 " + Deg, false, -30}},
        {"inside the last waypoint's arrival radius: no distance or time below 0",
         {.current = 3, .distanceToGo = -0.2f},
         Panel(false, 12, 50),
         {"To wp 4 (end)  Plan.", "0.00", "01.  10:00", "0 m. 00 s.", "Next WOP: 4 ", "045.0 " + Deg, "(end)",
          "0.00", "0.12", "5.0 " + Deg, false, 5}},
        {"typed ETA at the stop: the speed it takes, in zone time",
         {.stop = 2, .stopMinutes = 30},
         Panel(true, 12, 50, -1, 2, Now + 2 * 3600),
         {"To wp 3  Current spd.", "22.4", "13:00   11.2 Kt", "12 m. 00 s.", "Next WOP: 2 ", "045.0 " + Deg,
          "090.0 " + Deg, "2.40", "0.12", "5.0 " + Deg, true, 5}},
        {"typed ETA passed",
         {.stop = 2, .stopMinutes = 30},
         Panel(true, 12, 50, 0, 2, Now - 60),
         {"To wp 3  Current spd.", "22.4", NoTimeText, "12 m. 00 s.", "Next WOP: 2 ", "045.0 " + Deg,
          "090.0 " + Deg, "2.40", "0.12", "5.0 " + Deg, true, 5}},
        {"typed ETA elsewhere: the arrival at the current speed",
         {.stop = 2, .stopMinutes = 30},
         Panel(true, 12, 50, 0, 1, Now + 3600),
         {"To wp 3  Current spd.", "22.4", "01.  11:52", "12 m. 00 s.", "Next WOP: 2 ", "045.0 " + Deg,
          "090.0 " + Deg, "2.40", "0.12", "5.0 " + Deg, false, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetRouteState();
        LayRoute();
        const Following& r = c.route;
        if (r.inserted) {
            ASSERT_TRUE(InsertOwnPosition(At(53.9, 10.0)));  // its leg is not sailed
        }
        RouteTable[size_t(r.stop)].setName(r.stopName);
        RouteTable[size_t(r.stop)].stopMinutes = r.stopMinutes;
        CurrentWaypoint = r.current;
        NextStopWaypoint = r.stop;
        Turning = r.turning;
        DistanceToGo = r.distanceToGo;
        BearingToSteer = r.bearingToSteer;
        CrossTrackError = r.crossTrack;

        const RouteEtaPanelTexts texts = ComposeRouteEtaPanel(c.state);
        const RouteEtaPanelTexts& e = c.expected;
        EXPECT_EQ(texts.boxETA, e.boxETA);
        EXPECT_EQ(texts.txDTGend, e.txDTGend);
        EXPECT_EQ(texts.txETA, e.txETA);
        EXPECT_EQ(texts.txTTG, e.txTTG);
        EXPECT_EQ(texts.boxCTS, e.boxCTS);
        EXPECT_EQ(texts.txCTS, e.txCTS);
        EXPECT_EQ(texts.txCTS2, e.txCTS2);
        EXPECT_EQ(texts.txDTGwp, e.txDTGwp);
        EXPECT_EQ(texts.txXTE, e.txXTE);
        EXPECT_EQ(texts.txDev, e.txDev);
        EXPECT_EQ(texts.etaTyped, e.etaTyped);
        EXPECT_NEAR(texts.deviation, e.deviation, 1e-4);
    }
}
