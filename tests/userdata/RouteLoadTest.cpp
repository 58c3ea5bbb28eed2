// Stored routes read into the route table from real files: great-circle legs divided into
// steps within the table's 500 waypoints, reversed routes, the route defaults, a second route
// joined to the first, and finding waypoints by pixel and by position.

#include "ObjectFixtures.h"
#include "RouteDatabaseFixture.h"
#include "userdata/ObjectPoints.h"
#include "userdata/RouteLoad.h"

#include <cmath>
#include <vector>

using namespace platform::isam;

namespace {

constexpr int32_t Route = 21;
constexpr int32_t SecondRouteId = 22;

struct Leg {
    cmgbase::GeoPoint position;
    uint16_t lane = 0, speed = 0, radius = 0;
    uint8_t legKind = 0, danger = 0;
    int16_t stop = 0;
};

std::vector<PointRecord> RoutePoints(int32_t id, const std::vector<Leg>& legs)
{
    std::vector<PointRecord> points;
    uint16_t sequence = 0;
    for (const Leg& leg : legs) {
        PointRecord point = StoredPoint(id, ++sequence, leg.position);
        point.attributes[RoutePointWord::Lane] = leg.lane;
        point.attributes[RoutePointWord::Speed] = leg.speed;
        point.attributes[RoutePointWord::TurnRadius] = leg.radius;
        point.attributes[RoutePointWord::LegKind] = leg.legKind;
        point.attributes[RoutePointWord::DangerFlags] = leg.danger;
        point.attributes[RoutePointWord::StopMinutes] = uint16_t(leg.stop);
        points.push_back(point);
    }
    return points;
}

void StoreRoute(int32_t id, const std::vector<Leg>& legs)
{
    IdRecord object = StoredObject(ObjectType::ROUTE, id, 2, "Route");
    const auto points = RoutePoints(id, legs);
    StoreObject(object, points);
}

// Waypoints along the equator, one every `step` degrees from `from`.
std::vector<Leg> Equator(double from, double step, int count)
{
    std::vector<Leg> legs;
    for (int i = 0; i < count; ++i)
        legs.push_back({At(0.0, from + i * step), 10, 100, 20});
    return legs;
}

double LongitudeOf(int32_t entry)
{
    return cmgbase::nrm2deg(RouteTable[size_t(entry)].position.x);
}

class RouteLoadTest : public RouteDatabaseTest {
protected:
    static int32_t load(int32_t id, bool steps)
    {
        std::vector<PointRecord> points;
        EXPECT_TRUE(ReadObjectPoints(id, points));
        return AppendStoredRoute(id, points, steps);
    }
};

}  // namespace

// 0 N 0 E to 0 N 20 E is about 1,202 nm: four steps of a fifth each, on the equator, with the
// leg's lane, speed and radius and no stop; the stored waypoints keep theirs.
TEST_F(RouteLoadTest, AGreatCircleLegIsDividedIntoStepsAlongIt)
{
    std::vector<Leg> legs{{At(0, 0), 30, 120, 40, GreatCircleLeg, 2, 15}, {At(0, 20), 10, 90, 20}, {At(0, 20.5)}};
    StoreRoute(Route, legs);
    ASSERT_EQ(load(Route, true), 7);
    ASSERT_EQ(WaypointCount, 7);
    EXPECT_EQ(GreatCircleRouteLoaded, 1);
    for (int32_t i = 1; i <= 4; ++i) {
        SCOPED_TRACE(i);
        const WP_typ& step = RouteTable[size_t(i)];
        EXPECT_NEAR(LongitudeOf(i), 4.0 * i, 1e-4);
        EXPECT_NEAR(cmgbase::nrm2deg(step.position.y), 0.0, 1e-4);
        EXPECT_EQ(int64_t{step.legKind}, LoadedGreatCircleStep);
        EXPECT_EQ(int64_t{step.lane}, 30);
        EXPECT_EQ(int64_t{step.speed}, 120);
        EXPECT_EQ(int64_t{step.turnRadius}, 40);
        EXPECT_EQ(int64_t{step.stopMinutes}, 0);
        EXPECT_FALSE(step.isStoredPoint());
    }
    EXPECT_EQ(int64_t{RouteTable[0].legKind}, GreatCircleLeg);
    EXPECT_EQ(int64_t{RouteTable[0].stopMinutes}, 15);
    EXPECT_EQ(int64_t{RouteTable[5].sequence}, 2);
    EXPECT_NEAR(LongitudeOf(5), 20.0, 1e-4);
    EXPECT_TRUE(RouteTable[5].isStoredPoint());

    // Without the steps (an edit reloads the route) the leg stays one.
    ClearRouteTable();
    GreatCircleRouteLoaded = 0;
    EXPECT_EQ(LoadRouteIntoTable(Route), 3);
    EXPECT_EQ(GreatCircleRouteLoaded, 0);
    EXPECT_EQ(int64_t{RouteTable[1].sequence}, 2);
}

// A leg shorter than 150 nm gets no step; 150 to 449 nm one, 450 nm two.
TEST_F(RouteLoadTest, TheNumberOfStepsIsTheDistanceInThreeHundredsRounded)
{
    const struct {
        double degrees;  // along the equator, about 60.1 nm each
        int32_t steps;
    } cases[] = {{2.4, 0}, {2.6, 1}, {7.4, 1}, {7.6, 2}};
    int32_t id = Route;
    for (const auto& c : cases) {
        ClearRouteTable();
        ++id;
        std::vector<Leg> legs = Equator(0, c.degrees, 2);
        legs[0].legKind = GreatCircleLeg;
        StoreRoute(id, legs);
        EXPECT_EQ(load(id, true), 2 + c.steps) << c.degrees;
    }
}

// The steps take only the room the stored waypoints leave in the 500: with 498 stored, the
// leg of four steps gets two, a third of it apart; with 500 stored, none; beyond 500 the first
// 500 are loaded.
TEST_F(RouteLoadTest, StepsStayInsideTheFiveHundredWaypointsAndNeverPushOutAStoredOne)
{
    const struct {
        int stored;
        int32_t entries;
        int32_t steps;
    } cases[] = {{498, 500, 2}, {500, 500, 0}, {501, 500, 0}, {10, 14, 4}};
    int32_t id = Route;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        ClearRouteTable();
        ++id;
        std::vector<Leg> legs{{At(0, 0), 0, 0, 0, GreatCircleLeg}};
        const std::vector<Leg> rest = Equator(20.0, 0.001, c.stored - 1);
        legs.insert(legs.end(), rest.begin(), rest.end());
        StoreRoute(id, legs);
        EXPECT_EQ(load(id, true), c.entries);
        EXPECT_EQ(WaypointCount, c.entries);
        for (int32_t i = 1; i <= c.steps; ++i)
            EXPECT_NEAR(LongitudeOf(i), 20.0 * i / (c.steps + 1), 1e-4) << i;
        EXPECT_EQ(int64_t{RouteTable[size_t(c.steps) + 1].sequence}, 2) << "the leg's end follows its steps";
        EXPECT_EQ(RouteTable[size_t(c.entries) - 1].sequence, std::min(c.stored, 500 - c.steps));
        EXPECT_EQ(RouteTable[size_t(c.entries)].position, cmgbase::GeoPoint{}) << "the scratch entry is empty";
    }
}

// Reversed, the last stored waypoint comes first and every leg's speed, lane, leg kind and danger
// flags stand at the waypoint it now leaves from; a great-circle leg is divided from its new
// start, and no stored waypoint becomes a step.
TEST_F(RouteLoadTest, AReversedRouteListsItsLastPointFirst)
{
    std::vector<Leg> legs{{At(0, 0), 11, 101, 21, GreatCircleLeg, 1},
                          {At(0, 20), 12, 102, 22, 0, 2, 5},
                          {At(0, 20.5), 13, 103, 23, 0, 4},
                          {At(0, 21), 14, 104, 24, 0, 8}};
    StoreRoute(Route, legs);
    for (const bool steps : {false, true}) {
        SCOPED_TRACE(steps ? "with steps" : "without");
        ClearRouteTable();
        RouteForward = 0;
        const int32_t count = load(Route, steps);
        ASSERT_EQ(count, steps ? 8 : 4);
        std::vector<int32_t> stored;
        for (int32_t i = 0; i < count; ++i) {
            const WP_typ& entry = RouteTable[size_t(i)];
            EXPECT_EQ(int64_t{entry.pointFlag}, 0) << i;
            if (entry.isStoredPoint())
                stored.push_back(i);
        }
        ASSERT_EQ(stored.size(), 4u);
        const WP_typ& first = RouteTable[size_t(stored[0])];
        EXPECT_EQ(int64_t{first.sequence}, 4);
        EXPECT_EQ(int64_t{first.speed}, 103) << "the leg from the third stored point";
        EXPECT_EQ(int64_t{first.lane}, 13);
        EXPECT_EQ(int64_t{first.dangerFlags}, 4);
        EXPECT_EQ(int64_t{first.turnRadius}, 24) << "the radius stays with its waypoint";
        const WP_typ& second = RouteTable[size_t(stored[1])];
        EXPECT_EQ(int64_t{second.sequence}, 3);
        EXPECT_EQ(int64_t{second.speed}, 102);
        const WP_typ& third = RouteTable[size_t(stored[2])];
        EXPECT_EQ(int64_t{third.sequence}, 2);
        EXPECT_EQ(int64_t{third.stopMinutes}, 5);
        EXPECT_EQ(int64_t{third.legKind}, GreatCircleLeg) << "the great-circle leg now leaves from here";
        EXPECT_EQ(int64_t{third.speed}, 101);
        const WP_typ& last = RouteTable[size_t(stored[3])];
        EXPECT_EQ(int64_t{last.sequence}, 1);
        EXPECT_EQ(stored[3], count - 1);
        EXPECT_EQ(stored[3] - stored[2] - 1, steps ? 4 : 0);
        for (int32_t i = stored[2] + 1; i < stored[3]; ++i)
            EXPECT_NEAR(LongitudeOf(i), 20.0 - 4.0 * (i - stored[2]), 1e-4);
    }
    ClearRouteTable();
    RouteForward = 1;
    load(Route, false);
    EXPECT_EQ(int64_t{RouteTable[0].pointFlag}, 1);
    EXPECT_EQ(int64_t{RouteTable[0].sequence}, 1);
}

TEST_F(RouteLoadTest, TheFirstPointsSafetyDepthIsComparedWithTheOneInForce)
{
    for (const int16_t safety : {10, 12}) {
        ClearRouteTable();
        RouteSafetyDepthDiffers = 0;
        RouteLegGeometryPending = false;
        SetupParameters.SafetyContour = safety;
        const int32_t id = Route + safety;
        auto points = RoutePoints(id, Equator(0, 0.1, 3));
        points[0].attributes[RoutePointWord::SafetyDepth] = 12;
        StoreObject(StoredObject(ObjectType::ROUTE, id, 2), points);
        load(id, false);
        EXPECT_EQ(RouteSafetyDepthDiffers, safety == 12 ? 0 : 1) << safety;
        EXPECT_EQ(RouteLegGeometryPending, safety != 12) << "the legs are checked again";
    }
}

// A second route joins the first at the first's waypoint nearest to its start within 1 nm: the
// first keeps its waypoints before that one, the second follows whole. Farther away it follows
// the first's last waypoint.
TEST_F(RouteLoadTest, ASecondRouteJoinsTheFirstAtItsNearestWaypoint)
{
    StoreRoute(Route, Equator(0, 0.1, 5));  // 0, 0.1 .. 0.4 E, 6 nm apart
    const struct {
        double bearing, miles;  // of the second route's start from the first's waypoint 2
        int32_t kept;           // waypoints of the first route before the second's
    } cases[] = {{0, 0.0, 2}, {0, 0.5, 2}, {90, 0.999, 2}, {0, 1.001, 5}, {180, 2.0, 5}};
    int32_t id = SecondRouteId;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.miles << " nm");
        ClearRouteTable();
        SecondRoute = 0;
        ASSERT_EQ(load(Route, false), 5);
        const cmgbase::GeoPoint start = Ahead(RouteTable[2].position, c.bearing, c.miles);
        std::vector<Leg> second{{start}, {Ahead(start, 0, 10)}, {Ahead(start, 0, 20)}};
        StoreRoute(++id, second);
        SecondRoute = 1;
        ASSERT_EQ(load(id, false), 3);
        ASSERT_EQ(WaypointCount, c.kept + 3);
        for (int32_t i = 0; i < c.kept; ++i)
            EXPECT_EQ(int64_t{RouteTable[size_t(i)].objectId}, int64_t{Route}) << i;
        EXPECT_EQ(int64_t{RouteTable[size_t(c.kept)].objectId}, int64_t{id});
        EXPECT_EQ(int64_t{RouteTable[size_t(c.kept)].sequence}, 1);
        const cmgbase::GeoPoint stored{ChartFromStored(StoredFromChart(start.x)), ChartFromStored(StoredFromChart(start.y))};
        EXPECT_EQ(RouteTable[size_t(c.kept)].position, stored);
        EXPECT_NEAR(NearestWaypointDistance, std::min(c.miles, 9.0), 1e-4);
    }
}

// A second route loaded reversed moves its leg values within itself: the first route's last
// waypoint keeps its own.
TEST_F(RouteLoadTest, ASecondRouteReversedKeepsItsLegValuesToItself)
{
    std::vector<Leg> first = Equator(0, 0.1, 3);
    first[2].speed = 77;
    StoreRoute(Route, first);
    std::vector<Leg> second = Equator(5, 0.1, 3);
    second[0].speed = 51;
    second[1].speed = 52;
    StoreRoute(SecondRouteId, second);
    ASSERT_EQ(load(Route, false), 3);
    SecondRoute = 1;
    RouteForward = 0;
    ASSERT_EQ(load(SecondRouteId, false), 3);
    ASSERT_EQ(WaypointCount, 6);
    EXPECT_EQ(int64_t{RouteTable[2].speed}, 77);
    EXPECT_EQ(int64_t{RouteTable[3].sequence}, 3);
    EXPECT_EQ(int64_t{RouteTable[3].speed}, 52);
    EXPECT_EQ(int64_t{RouteTable[4].speed}, 51);
}

TEST_F(RouteLoadTest, TheNearestWaypointIsSearchedFromNineMilesDown)
{
    for (const cmgbase::GeoPoint& p : {At(0, 0), At(0, 0.1), At(0, 0.2)})
        ASSERT_TRUE(AppendRouteEntry(Waypoint(p)));
    EXPECT_EQ(NearestRouteWaypoint(Ahead(At(0, 0.1), 10, 0.3)), 1);
    EXPECT_NEAR(NearestWaypointDistance, 0.3, 1e-4);
    EXPECT_EQ(NearestRouteWaypoint(Ahead(At(0, 0.2), 90, 5.0)), -1);
    EXPECT_NEAR(NearestWaypointDistance, 5.0, 1e-4);
    EXPECT_EQ(NearestRouteWaypoint(Ahead(At(0, 0.2), 90, 12.0)), -1);
    EXPECT_DOUBLE_EQ(NearestWaypointDistance, 9.0) << "none nearer than 9 nm";
    ClearRouteTable();
    EXPECT_EQ(NearestRouteWaypoint(At(0, 0)), -1);
}

// Less than 6 pixels in x and in y; the first such waypoint wins; a miss keeps the last pick.
TEST_F(RouteLoadTest, AWaypointIsHitWithinFivePixels)
{
    for (const ScreenPoint& point : {ScreenPoint{100, 100}, ScreenPoint{104, 100}, ScreenPoint{200, 50}}) {
        WP_typ entry = Waypoint(At(0, 0));
        entry.screenPoint = point;
        ASSERT_TRUE(AppendRouteEntry(entry));
    }
    const struct {
        int32_t x, y;
        bool hit;
        int32_t picked;
    } cases[] = {
        {105, 100, true, 0}, {106, 100, true, 1}, {110, 100, false, 1}, {200, 55, true, 2},
        {200, 56, false, 2}, {195, 45, true, 2},  {194, 50, false, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HitTestWaypoint(c.x, c.y), c.hit) << c.x << "," << c.y;
        EXPECT_EQ(PickedWaypoint, c.picked) << c.x << "," << c.y;
    }
}
