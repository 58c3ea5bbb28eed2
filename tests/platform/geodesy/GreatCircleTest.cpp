#include "platform/geodesy/GreatCircle.h"

#include "GeodesyTestPoints.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/PositionComputation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

using namespace cmgbase;

namespace {

// Tokyo to San Francisco, over the antimeridian: 4495.73 nautical miles.
const GeoPoint kTokyo = At(35.0, 139.8);
const GeoPoint kSanFrancisco = At(37.8, -122.4);

// The step route drawing asks for: no step longer than 300 miles, all of equal length.
double RouteStep(double miles)
{
    return miles / (std::trunc(miles / 300) + 1);
}

double Distance(const GeoPoint& from, const GeoPoint& to)
{
    double miles = 0;
    EXPECT_EQ(InvPosComputation(from, to, &miles, nullptr, 0), kGeoOk);
    return miles;
}

TEST(GreatCircle, PointsLieOnTheGeodesic)
{
    // echo "s13" | GeodSolve -I 35.000000009313226 139.80000003241003 37.799999993294477
    //   -122.40000003017485 -p 9, for s13 = 1/15, 8/15 and 14/15 of s12 = 8326089.668501891 m,
    // gives "lat3 lon3 azi3".
    struct Expected {
        size_t index;
        double latitude, longitude;
    };
    const Expected expected[] = {
        {1, 37.81698564710069, 144.91571037918953},
        {8, 48.3804192624127, -168.73526353769188},
        {14, 40.37823946051331, -127.89916653359234},
    };

    TGeoPolygone path;
    const double miles = Distance(kTokyo, kSanFrancisco);
    ASSERT_EQ(getOrtodromia_GeoPoint_GeoPoint(kTokyo, kSanFrancisco, RouteStep(miles), path),
              kGeoOk);
    ASSERT_EQ(path.points.size(), 16u);  // 15 steps of 299.7 miles
    EXPECT_EQ(path.points.front(), kTokyo);
    EXPECT_EQ(path.points.back(), kSanFrancisco);
    for (const Expected& e : expected) {
        const GeoPoint point = path.points[e.index];
        const GeoPoint reference = At(e.latitude, e.longitude);
        EXPECT_LE(std::abs(int64_t{point.x} - reference.x), 1) << e.index;
        EXPECT_LE(std::abs(int64_t{point.y} - reference.y), 1) << e.index;
    }
}

TEST(GreatCircle, NoStepLongerThanAsked)
{
    struct Case {
        const char* name;
        GeoPoint from, to;
        double step;
        size_t points;
    };
    const Case cases[] = {
        {"shorter than one step", At(54, 10), At(55, 11), 300, 2},
        {"exactly two route steps", At(0, 0), At(0, 9.98),
         RouteStep(Distance(At(0, 0), At(0, 9.98))), 3},
        {"a part step left over", At(0, 0), At(0, 10), 100, 8},  // 601.1 miles
        {"over the north pole", At(80, 0), At(80, 180), 50, 26},  // 1204 miles
        {"from the south pole", At(-90, 0), At(-60, 0), 1000, 3},
    };
    for (const Case& c : cases) {
        TGeoPolygone path;
        ASSERT_EQ(getOrtodromia_GeoPoint_GeoPoint(c.from, c.to, c.step, path), kGeoOk) << c.name;
        ASSERT_EQ(path.points.size(), c.points) << c.name;
        for (size_t i = 1; i < path.points.size(); ++i)
            EXPECT_LE(Distance(path.points[i - 1], path.points[i]), c.step + 1e-6) << c.name;
    }
}

TEST(GreatCircle, CoincidentPointsGiveTheTwoEnds)
{
    // A route leg of length 0 asks for a step of 0.
    const std::pair<GeoPoint, GeoPoint> cases[] = {
        {At(54.3, 10.1), At(54.3, 10.1)},
        {At(90, 10), At(90, -100)},  // the north pole seen from two meridians
    };
    for (const auto& [from, to] : cases) {
        TGeoPolygone path{{At(1, 1), At(2, 2), At(3, 3)}};
        ASSERT_EQ(getOrtodromia_GeoPoint_GeoPoint(from, to, RouteStep(0), path), kGeoOk);
        EXPECT_EQ(path.points, (std::vector<GeoPoint>{from, to}));
    }
}

TEST(GreatCircle, StepGuard)
{
    // A step that is no positive number, or one so small the path would not fit in memory,
    // ends at once with the two end points instead of subdividing without end.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double step;
        int status;
    };
    const Case cases[] = {
        {0.0, kGeoInvalidArgument},
        {-5.0, kGeoInvalidArgument},
        {nan, kGeoInvalidArgument},
        {std::numeric_limits<double>::infinity(), kGeoInvalidArgument},
        {std::numeric_limits<double>::denorm_min(), kGeoTooManyPoints},
        {1e-3, kGeoTooManyPoints},  // 4.5 million points
    };
    for (const Case& c : cases) {
        TGeoPolygone path;
        EXPECT_EQ(getOrtodromia_GeoPoint_GeoPoint(kTokyo, kSanFrancisco, c.step, path), c.status)
            << c.step;
        EXPECT_EQ(path.points, (std::vector<GeoPoint>{kTokyo, kSanFrancisco})) << c.step;
    }
}

TEST(GreatCircle, RefusesALatitudeBeyondThePole)
{
    TGeoPolygone path{{At(1, 1)}};
    EXPECT_EQ(getOrtodromia_GeoPoint_GeoPoint(kTokyo, GeoPoint{0, INT32_MIN}, 10, path),
              kGeoInvalidPosition);
    EXPECT_TRUE(path.points.empty());
}

}  // namespace
