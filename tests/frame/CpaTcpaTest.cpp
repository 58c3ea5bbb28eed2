#include "frame/CpaTcpa.h"

#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "platform/geodesy/Wgs84.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using cmgbase::GeoPoint;

struct Vessel {
    GeoPoint position;
    float course;  // degrees
    float speed;   // knots
};

GeoPoint At(double latitude, double longitude)
{
    return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}

// `north` and `east` nautical miles from `origin`, along geodesics.
GeoPoint Offset(const GeoPoint& origin, double north, double east)
{
    GeoPoint p = origin;
    cmgbase::DirPosComputation(origin, &p, std::atan2(east, north), std::hypot(north, east), 0);
    return p;
}

// The position after `minutes` on the course, a rhumb line.
GeoPoint Moved(const Vessel& v, double minutes)
{
    const cmgbase::Degrees from = cmgbase::ToDegrees(v.position);
    double latitude = 0;
    double longitude = 0;
    cmgbase::Wgs84Rhumb().Direct(from.latitude, from.longitude, v.course,
                                 v.speed * minutes / 60 * 1852, latitude, longitude);
    return cmgbase::ToGeoPoint(latitude, longitude);
}

double DistanceAt(const Vessel& a, const Vessel& b, double minutes)
{
    double miles = 0;
    cmgbase::InvPosComputation(Moved(a, minutes), Moved(b, minutes), &miles, nullptr, 0);
    return miles;
}

struct Approach {
    double time;  // minutes
    double distance;  // nautical miles
};

// The closest approach found directly: both vessels steered along their courses on the
// ellipsoid, the distance between them sampled every minute over six hours either way, then every 0.01 minute around the nearest.
Approach Direct(const Vessel& a, const Vessel& b)
{
    Approach best{0, DistanceAt(a, b, 0)};
    const auto search = [&](double from, double to, double step) {
        for (double t = from; t <= to; t += step)
            if (const double d = DistanceAt(a, b, t); d < best.distance)
                best = {t, d};
    };
    search(-360, 360, 1);
    search(best.time - 1, best.time + 1, 0.01);
    return best;
}

struct CpaCase {
    const char* name;
    Vessel own;
    // The target, placed north and east of the own ship (nautical miles).
    double north;
    double east;
    float course;
    float speed;
};

class ComputeCpaTcpaTable : public testing::TestWithParam<CpaCase> {};

TEST_P(ComputeCpaTcpaTable, AgreesWithSteeringBothOnTheEllipsoid)
{
    const CpaCase& c = GetParam();
    const Vessel target{Offset(c.own.position, c.north, c.east), c.course, c.speed};
    float time = -999;
    float distance = -999;
    ComputeCpaTcpa(c.own.position, c.own.course, c.own.speed, target.position, target.course,
                   target.speed, time, distance);

    const Approach direct = Direct(c.own, target);
    // The system's units (0.51479 m/s per knot, 1851.85 m per mile) make the time up to 0.1 %
    // short. The flat frame leaves out how the meridians converge: under 10 m over these few
    // miles, below the hundredth of a mile that the target readouts show.
    EXPECT_NEAR(time, direct.time, 0.02 + 0.001 * std::fabs(direct.time)) << c.name;
    EXPECT_NEAR(distance, direct.distance, 0.005) << c.name;
}

const Vessel kNorthbound{At(54, 10), 0, 10};

INSTANTIATE_TEST_SUITE_P(
    Tracks, ComputeCpaTcpaTable,
    testing::Values(
        CpaCase{"crossing, collision in 12 min", kNorthbound, 2, 2, 270, 10},
        CpaCase{"crossing, passing 0.7 NM ahead", kNorthbound, 2, 3, 270, 10},
        CpaCase{"crossing at an angle", kNorthbound, 5, -4, 120, 14},
        CpaCase{"head-on", kNorthbound, 6, 0, 180, 10},
        CpaCase{"overtaken on a parallel course", kNorthbound, -2, 1, 0, 15},
        CpaCase{"diverging, closest 24 min ago", kNorthbound, 2, 0, 0, 15},
        CpaCase{"across the antimeridian", {At(-20, 179.98), 90, 12}, 0.5, 2, 270, 8},
        CpaCase{"in the far north", {At(78, -15), 45, 9}, 3, 1, 200, 11}));

TEST(ComputeCpaTcpa, NoRelativeMotionGivesTimeZeroAndThePresentDistance)
{
    const Vessel own = kNorthbound;
    const GeoPoint abeam = Offset(own.position, 0, 1.5);
    float time = -999;
    float distance = -999;
    ComputeCpaTcpa(own.position, own.course, own.speed, abeam, own.course, own.speed, time,
                   distance);
    EXPECT_EQ(time, 0);
    EXPECT_NEAR(distance, 1.5, 1e-4);

    // Identical tracks: the same place, course and speed.
    ComputeCpaTcpa(own.position, own.course, own.speed, own.position, own.course, own.speed,
                   time, distance);
    EXPECT_EQ(time, 0);
    EXPECT_EQ(distance, 0);

    // Both lying still.
    ComputeCpaTcpa(own.position, 0, 0, abeam, 90, 0, time, distance);
    EXPECT_EQ(time, 0);
    EXPECT_NEAR(distance, 1.5, 1e-4);
}

}  // namespace
