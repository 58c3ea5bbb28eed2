// Leg distances and bearings against GeographicLib's tools, and the turn geometry at waypoints.

#include "RouteTestSupport.h"
#include "userdata/RouteLegs.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

// Bearing difference folded into 0..180.
double Apart(double a, double b)
{
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

void MakeRoute(const std::vector<cmgbase::GeoPoint>& points)
{
    for (const cmgbase::GeoPoint& point : points)
        ASSERT_TRUE(AppendRouteEntry(Waypoint(point)));
}

}  // namespace

// Reference values of GeographicLib's command-line tools (WGS84) for the positions in degrees,
// made with
//   echo "lat1 lon1 lat2 lon2" | RhumbSolve -i -p 9   (azimuth, distance in metres)
//   echo "lat1 lon1 lat2 lon2" | GeodSolve -i -p 9    (azi1, azi2, distance in metres)
// The distance of a rhumb-line leg is the ellipsoid's; its bearing is taken on the mean
// latitude of the sphere, as route following measures bearings too, which keeps it within
// 0.1 degree of the ellipsoid's rhumb line on these legs.
TEST_F(RouteTest, LegsAgreeWithGeographicLib)
{
    struct Case {
        double lat1, lon1, lat2, lon2;
        uint8_t kind;
        double azimuth;  // degrees, as the tool gives it
        double metres;
        double bearingTolerance;
    };
    const std::vector<Case> cases{
        // RhumbSolve -i
        {59.0, 10.5, 57.75, 10.6, RhumbLineLeg, 177.59378448062526, 139353.143908477, 0.1},
        {60.4, 5.3, 60.15, -1.15, RhumbLineLeg, -94.46239013174953, 358002.045356461, 0.1},
        {-33.9, 18.4, -34.0, 25.6, RhumbLineLeg, 90.95479697167765, 665652.195742646, 0.1},
        {2.0, -45.0, -3.0, -44.0, RhumbLineLeg, 168.61982209812473, 563963.121537181, 0.1},
        {-18.0, 178.5, -17.5, -179.5, RhumbLineLeg, 75.37738609953681, 219205.778951400, 0.1},
        {78.2, 15.6, 77.0, 20.0, RhumbLineLeg, 141.79736045447046, 170482.862390410, 0.1},
        {54.0, 10.0, 55.0, 10.0, RhumbLineLeg, 0.0, 111314.284722232, 1e-9},
        // GeodSolve -i
        {50.0, -5.0, 40.5, -73.9, GreatCircleLeg, -73.63916685503564, 5314233.186015188, 1e-5},
        {-33.9, 18.4, -31.9, 115.8, GreatCircleLeg, 120.71544336886818, 8716769.111272657, 1e-5},
        {35.0, 140.0, 48.0, -125.0, GreatCircleLeg, 46.08609056260480, 7552811.679287660, 1e-5},
        {59.0, 10.5, 57.75, 10.6, GreatCircleLeg, 177.55086074231897, 139353.131084196, 1e-5},
    };
    RouteEditMode = RouteShown;
    for (const Case& c : cases) {
        ClearRouteTable();
        MakeRoute({At(c.lat1, c.lon1), At(c.lat2, c.lon2)});
        RouteTable[0].legKind = c.kind;
        ComputeRouteLeg(0);
        const double distance = RouteTable[0].legDistance;
        const double bearing = RouteTable[0].legBearing;
        const std::string name = std::to_string(c.lat1) + " " + std::to_string(c.lon1) + " kind " +
                                 std::to_string(c.kind);
        // 32-bit floats: about 7 digits.
        EXPECT_NEAR(distance, c.metres / 1852, c.metres / 1852 * 1e-6 + 1e-5) << name;
        EXPECT_LE(Apart(bearing, c.azimuth), c.bearingTolerance + 1e-4) << name;
        EXPECT_GE(bearing, 0) << name;
        EXPECT_LT(bearing, 360) << name;
    }
}

// The last waypoint has no leg: whatever the entry after it holds (here a waypoint of a longer
// route shown before), neither its leg nor the totals count it. While a route is drawn the leg
// runs on to the cursor.
TEST_F(RouteTest, LastWaypointHasNoLegUnlessARouteIsDrawn)
{
    MakeRoute({At(54, 10), At(54, 11), At(55, 11)});
    RouteTable[3].position = At(0, 0);
    for (const int32_t mode : {RouteShown, RouteEditing, RouteDrawing}) {
        RouteEditMode = mode;
        for (int32_t i = 0; i < 3; ++i)
            ComputeRouteLeg(i);
        const double first = RouteTable[0].legDistance;
        const double second = RouteTable[1].legDistance;
        const double last = RouteTable[2].legDistance;
        const double total = SumRouteLegs(0, WaypointCount).distance;
        if (mode == RouteDrawing) {
            EXPECT_GT(last, 3000) << "to the cursor at 0 N 0 E";
            EXPECT_NEAR(total, first + second + last, 1e-3);
        } else {
            EXPECT_EQ(last, 0) << mode;
            EXPECT_NEAR(total, first + second, 1e-6) << mode;
            EXPECT_LT(total, 100) << mode;
        }
    }
}

// Every leg between waypoints is computed afresh and summed into the route's length; the leg a
// route being drawn runs on to the cursor is no part of it.
TEST_F(RouteTest, RouteLengthIsTheSumOfTheLegsBetweenWaypoints)
{
    MakeRoute({At(54, 10), At(54, 11), At(55, 11)});
    RouteTable[3].position = At(0, 0);
    for (const int32_t mode : {RouteShown, RouteDrawing}) {
        RouteEditMode = mode;
        RouteTable[0].legDistance = RouteTable[1].legDistance = RouteTable[2].legDistance = 999;
        ComputeRouteLegs();
        EXPECT_NEAR(RouteTable[0].legDistance, 35.4, 0.1) << mode;
        EXPECT_NEAR(RouteTable[1].legDistance, 60.1, 0.1) << mode;
        EXPECT_EQ(RouteTable[2].legDistance, 999) << mode;
        EXPECT_NEAR(RouteLength, RouteTable[0].legDistance + RouteTable[1].legDistance, 1e-4) << mode;
    }
    ClearRouteTable();
    ComputeRouteLegs();
    EXPECT_EQ(RouteLength, 0);
}

// Three waypoints with a course change at the middle one; the arc of the turn radius must touch
// both legs: wheel-over points at R tan(change / 2) from the waypoint, the centre R from both.
TEST_F(RouteTest, TurnGeometry)
{
    struct Case {
        const char* name;
        double course;     // of the first leg
        double change;     // starboard positive
        double firstLeg;   // nm
        double secondLeg;
        int16_t stop;
        bool misfit;
    };
    const std::vector<Case> cases{
        {"10 degrees to starboard", 45, 10, 20, 20, 0, false},
        {"90 degrees to port", 45, -90, 20, 20, 0, false},
        {"170 degrees to starboard", 45, 170, 20, 20, 0, false},
        {"170 degrees after a short leg", 45, 170, 4, 20, 0, true},
        {"leg reversal", 45, 180, 20, 10, 0, true},
        {"straight on", 45, 0, 20, 20, 0, false},
        {"straight on due north", 0, 0, 20, 20, 0, false},
        {"stop", 45, 90, 20, 20, 15, true},
    };
    const double radius = 0.5;
    RouteEditMode = RouteShown;
    for (const Case& c : cases) {
        ClearRouteTable();
        TurnMisfitSeen = 0;
        const cmgbase::GeoPoint start = At(57, 5);
        const cmgbase::GeoPoint waypoint = Ahead(start, c.course, c.firstLeg);
        MakeRoute({start, waypoint, Ahead(waypoint, c.course + c.change, c.secondLeg)});
        RouteTable[1].stopMinutes = c.stop;
        for (int32_t i = 0; i < 3; ++i)
            ComputeRouteLeg(i);
        for (int32_t i = 0; i < 3; ++i)
            ComputeWaypointTurn(i);

        const WP_typ& turn = RouteTable[1];
        const cmgbase::GeoPoint wheelOverIn = turn.turnStart;
        const cmgbase::GeoPoint wheelOverOut = turn.turnEnd;
        const cmgbase::GeoPoint centre = turn.turnCentre;
        EXPECT_EQ(turn.turnMisfit, c.misfit ? 1 : 0) << c.name;
        EXPECT_EQ(TurnMisfitSeen, c.misfit && c.stop == 0 ? 1 : 0) << c.name;
        if (c.misfit) {
            EXPECT_EQ(wheelOverIn, waypoint) << c.name;
            EXPECT_EQ(wheelOverOut, waypoint) << c.name;
            EXPECT_EQ(centre, waypoint) << c.name;
            continue;
        }
        const double change = Apart(RouteTable[1].legBearing, RouteTable[0].legBearing);
        const double tangent = radius * std::tan(cmgbase::deg2rad(change / 2));
        EXPECT_NEAR(Between(waypoint, wheelOverIn), tangent, 1e-4) << c.name;
        EXPECT_NEAR(Between(waypoint, wheelOverOut), tangent, 1e-4) << c.name;
        EXPECT_NEAR(Between(centre, wheelOverIn), radius, 1e-3) << c.name;
        EXPECT_NEAR(Between(centre, wheelOverOut), radius, 1e-3) << c.name;
    }
}

// Two turns on a short leg: widening the first turn makes its arc overlap the next one, which
// the check against the next waypoint's turn finds, north and south of the equator alike.
TEST_F(RouteTest, OverlappingTurnsAreFoundInBothHemispheres)
{
    RouteEditMode = RouteShown;
    for (const double latitude : {40.0, -40.0}) {
        ClearRouteTable();
        TurnMisfitSeen = 0;
        const double up = latitude > 0 ? 0 : 180;  // away from the equator
        const cmgbase::GeoPoint a = At(latitude, 10);
        const cmgbase::GeoPoint b = Ahead(a, 90, 10);
        const cmgbase::GeoPoint c = Ahead(b, up, 1);
        MakeRoute({a, b, c, Ahead(c, 270, 10)});
        for (int32_t i = 0; i < 4; ++i) {
            RouteTable[size_t(i)].turnRadius = 30;
            ComputeRouteLeg(i);
        }
        for (int32_t i = 0; i < 4; ++i)
            ComputeWaypointTurn(i);
        ASSERT_EQ(RouteTable[1].turnMisfit, 0) << latitude;
        ASSERT_EQ(RouteTable[2].turnMisfit, 0) << latitude;

        // As a committed edit of the radius recomputes: that waypoint and the one before.
        RouteTable[1].turnRadius = 90;
        ComputeWaypointTurn(0);
        ComputeWaypointTurn(1);
        EXPECT_EQ(RouteTable[1].turnMisfit, 1) << latitude;
        EXPECT_EQ(TurnMisfitSeen, 1) << latitude;
    }
}
