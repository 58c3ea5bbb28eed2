#include "platform/geodesy/PositionComputation.h"

#include "GeodesyTestPoints.h"
#include "platform/geodesy/GeodesyStatus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace cmgbase;

namespace {

constexpr double kMileTolerance = 1e-6;     // nautical miles
constexpr double kBearingTolerance = 1e-11;  // radians

struct InverseCase {
    const char* name;
    double lat1, lon1, lat2, lon2;  // degrees, turned into GeoPoints with deg2nrm
    double miles;                   // s12 / 1852
    double azimuth;                 // degrees
};

// Reference values from GeographicLib's tools, given the exact degrees of each row's GeoPoints
// (nrm2deg printed with %.17g): echo "lat1 lon1 lat2 lon2" | GeodSolve -i -p 9 gives
// "azi1 azi2 s12", and the same through RhumbSolve -i -p 9 gives "azi12 s12 S12".
const InverseCase kGeodesicCases[] = {
    // 58.521858360618353 11.29445836879313 58.870914168655872 9.6071149595081806
    {"Decca baseline", 58.52185833, 11.29445833, 58.87091417, 9.607115, 56.842508846805615,
     -67.60645951819309},
    // 38.69999997317791 -9.1399999614804983 40.640000011771917 -73.77999996766448
    {"ocean crossing", 38.7, -9.14, 40.64, -73.78, 2927.23522463253, -66.01713116822265},
    // 50.000000037252903 179.50000002980232 50.999999977648258 -179.50000002980232
    {"over the antimeridian", 50.0, 179.5, 51.0, -179.5, 71.23971647460854, 32.14539365597038},
    // -9.9999999906867743 170.00000000931323 9.9999999906867743 -170.00000000931323
    {"antimeridian and equator", -10.0, 170.0, 10.0, -170.0, 1690.1826109801527,
     45.62903685812283},
    // 90 0 60.000000027939677 45
    {"from the north pole", 90.0, 0.0, 60.0, 45.0, 1807.717552218892, 135.0},
    // -45 29.999999972060323 -90 0
    {"to the south pole", -45.0, 30.0, -90.0, 0.0, 2708.9748117359495, -180.0},
    // 0 0 0.49999997019767761 179.7000000346452
    {"nearly antipodal", 0.0, 0.0, 0.5, 179.7, 10768.96729209473, 15.55688143814746},
    // 0 19.999999981373549 60.000000027939677 19.999999981373549
    {"along a meridian", 0.0, 20.0, 60.0, 20.0, 3592.9118912545014, 0.0},
    // 0 -9.9999999906867743 0 9.9999999906867743
    {"along the equator", 0.0, -10.0, 0.0, 10.0, 1202.1543271015034, 90.0},
    // 53.999999966472387 9.9999999906867743 53.900000005960464 9.7999999858438969
    {"westward, negative bearing", 54.0, 10.0, 53.9, 9.8, 9.294554675735961, -130.20545550553237},
    // 43.000000035390258 5.000000037252903 43.001599973067641 5.0011999905109406
    {"a tenth of a mile", 43.0, 5.0, 43.0016, 5.0012, 0.10955336003509719, 28.83173030021793},
};

const InverseCase kRhumbCases[] = {
    {"Decca baseline", 58.52185833, 11.29445833, 58.87091417, 9.607115, 56.84400850134882,
     -68.32568547382681},
    {"ocean crossing", 38.7, -9.14, 40.64, -73.78, 2996.6997050093455, -87.77575300093449},
    {"over the antimeridian", 50.0, 179.5, 51.0, -179.5, 71.24025486487852, 32.52894164499017},
    {"antimeridian and equator", -10.0, 170.0, 10.0, -170.0, 1690.20011446509, 45.04429311008295},
    {"from the north pole", 90.0, 0.0, 60.0, 45.0, 1807.8267238191254, 179.37032528696309},
    {"to the south pole", -45.0, 30.0, -90.0, 0.0, 2709.0466479755573, -179.58274442943465},
    {"nearly antipodal", 0.0, 0.0, 0.5, 179.7, 10801.261716646404, 89.84164495405147},
    {"along a meridian", 0.0, 20.0, 60.0, 20.0, 3592.9118912545005, 0.0},
    {"along the equator", 0.0, -10.0, 0.0, 10.0, 1202.1543271015034, 90.0},
    {"westward, negative bearing", 54.0, 10.0, 53.9, 9.8, 9.294557760319655, -130.2863552957869},
    {"a tenth of a mile", 43.0, 5.0, 43.0016, 5.0012, 0.1095533600361771, 28.83213948548916},
};

struct DirectCase {
    const char* name;
    double lat1, lon1;  // degrees, turned into a GeoPoint with deg2nrm
    double azimuth;     // degrees
    double miles;
    double lat2, lon2;  // degrees
};

// echo "lat1 lon1 azi1 s12" | GeodSolve -p 9 gives "lat2 lon2 azi2"; s12 = miles x 1852.
const DirectCase kDirectCases[] = {
    // 58.500000033527613 11.299999980255961 45 222240
    {"north-east", 58.5, 11.3, 45.0, 120.0, 59.8810674665526, 14.10675261956822},
    // 50.000000037252903 179.90000003948808 90 55560
    {"east over the antimeridian", 50.0, 179.9, 90.0, 30.0, 49.99741242144182,
     -179.32508639471288},
    // 89.989999970421195 0 0 18520
    {"over the north pole", 89.99, 0.0, 0.0, 10.0, 89.84418983544931, 180.0},
    // 90 0 180 1111200
    {"south from the north pole", 90.0, 0.0, 180.0, 600.0, 80.05038377074096, 0.0},
    // -33.900000024586916 18.400000026449561 -135 926000
    {"negative bearing", -33.9, 18.4, -135.0, 500.0, -39.57055632250628, 10.78407032050902},
    // 9.9999999906867743 -60.000000027939677 30 -463000
    {"negative distance", 10.0, -60.0, 30.0, -250.0, 6.36866305683558, -62.09104525453489},
    // -19.999999981373549 -179.95000001974404 -90 23150
    {"west over the antimeridian", -20.0, -179.95, -90.0, 12.5, -19.99986190836203,
     179.82878038058004},
    // 0 0 90 18520000
    {"half way round", 0.0, 0.0, 90.0, 10000.0, 0.0, 166.36799061893538},
};

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

TEST(PositionComputation, InverseMatchesGeodSolve)
{
    for (const InverseCase& c : kGeodesicCases) {
        double miles = -1;
        double bearing = -1;
        ASSERT_EQ(InvPosComputation(At(c.lat1, c.lon1), At(c.lat2, c.lon2), &miles, &bearing, 0),
                  kGeoOk)
            << c.name;
        EXPECT_NEAR(miles, c.miles, kMileTolerance) << c.name;
        EXPECT_NEAR(bearing, Radians(c.azimuth), kBearingTolerance) << c.name;
    }
}

TEST(PositionComputation, RhumbLineMatchesRhumbSolve)
{
    for (const InverseCase& c : kRhumbCases) {
        double miles = -1;
        double bearing = -1;
        ASSERT_EQ(RL_InvPosComputation(At(c.lat1, c.lon1), At(c.lat2, c.lon2), &miles, &bearing),
                  kGeoOk)
            << c.name;
        EXPECT_NEAR(miles, c.miles, kMileTolerance) << c.name;
        EXPECT_NEAR(bearing, Radians(c.azimuth), kBearingTolerance) << c.name;
    }
}

TEST(PositionComputation, DirectMatchesGeodSolve)
{
    for (const DirectCase& c : kDirectCases) {
        GeoPoint end{12345, 12345};
        ASSERT_EQ(DirPosComputation(At(c.lat1, c.lon1), &end, Radians(c.azimuth), c.miles, 0),
                  kGeoOk)
            << c.name;
        const GeoPoint expected = At(c.lat2, c.lon2);
        EXPECT_LE(std::abs(int64_t{end.x} - expected.x), 1) << c.name;
        EXPECT_LE(std::abs(int64_t{end.y} - expected.y), 1) << c.name;
    }
}

TEST(PositionComputation, DirectUndoesInverse)
{
    // Back to the second point within one unit, from poles and across the antimeridian too.
    for (const InverseCase& c : kGeodesicCases) {
        const GeoPoint to = At(c.lat2, c.lon2);
        double miles = 0;
        double bearing = 0;
        ASSERT_EQ(InvPosComputation(At(c.lat1, c.lon1), to, &miles, &bearing, 0), kGeoOk);
        GeoPoint end;
        ASSERT_EQ(DirPosComputation(At(c.lat1, c.lon1), &end, bearing, miles, 0), kGeoOk);
        EXPECT_LE(std::abs(int64_t{end.y} - to.y), 1) << c.name;
        if (std::abs(c.lat2) != 90.0) {  // at a pole every longitude is the same point
            EXPECT_LE(std::abs(int64_t{end.x} - to.x), 1) << c.name;
        }
    }
}

TEST(PositionComputation, SinglePrecisionVariantsAgree)
{
    const GeoPoint from = At(58.5, 11.3);
    const GeoPoint to = At(60.4, 5.0);
    double miles = 0;
    double bearing = 0;
    float milesF = 0;
    float bearingF = 0;
    ASSERT_EQ(InvPosComputation(from, to, &miles, &bearing, 0), kGeoOk);
    ASSERT_EQ(InvPosComputation_f(from, to, &milesF, &bearingF, 0), kGeoOk);
    EXPECT_FLOAT_EQ(milesF, static_cast<float>(miles));
    EXPECT_FLOAT_EQ(bearingF, static_cast<float>(bearing));

    GeoPoint end;
    GeoPoint endF;
    ASSERT_EQ(DirPosComputation(from, &end, static_cast<float>(bearing),
                                static_cast<float>(miles), 0),
              kGeoOk);
    ASSERT_EQ(DirPosComputation_f(from, &endF, bearingF, milesF, 0), kGeoOk);
    EXPECT_EQ(endF, end);
}

TEST(PositionComputation, CoincidentPointsGiveZeroDistanceAndBearing)
{
    struct Case {
        const char* name;
        GeoPoint from, to;
    };
    const Case cases[] = {
        {"same point", At(54.3, 10.1), At(54.3, 10.1)},
        {"north pole seen from two meridians", At(90, 10), At(90, -100)},
        {"south pole seen from two meridians", At(-90, 0), At(-90, 45)},
    };
    for (const Case& c : cases) {
        double miles = -1;
        double bearing = -1;
        float milesF = -1;
        float bearingF = -1;
        ASSERT_EQ(InvPosComputation(c.from, c.to, &miles, &bearing, 0), kGeoOk) << c.name;
        EXPECT_EQ(miles, 0.0) << c.name;
        EXPECT_EQ(bearing, 0.0) << c.name;
        ASSERT_EQ(InvPosComputation_f(c.from, c.to, &milesF, &bearingF, 0), kGeoOk) << c.name;
        EXPECT_EQ(bearingF, 0.0f) << c.name;
        ASSERT_EQ(RL_InvPosComputation(c.from, c.to, &miles, &bearing), kGeoOk) << c.name;
        EXPECT_EQ(miles, 0.0) << c.name;
        EXPECT_EQ(bearing, 0.0) << c.name;
    }
}

TEST(PositionComputation, EndsOfTheLongitudeRangeAreNeighbours)
{
    // -2^31 and 2^31 - 1 lie one unit apart across the antimeridian: 1.9e-9 of a degree.
    double miles = -1;
    double bearing = 0;
    ASSERT_EQ(InvPosComputation(GeoPoint{INT32_MAX, 0}, GeoPoint{INT32_MIN, 0}, &miles, &bearing,
                                0),
              kGeoOk);
    EXPECT_LT(miles, 1e-5);
    EXPECT_NEAR(bearing, std::numbers::pi / 2, 1e-6);  // eastward, over the antimeridian
}

TEST(PositionComputation, RefusesWhatItCannotCompute)
{
    const GeoPoint sea = At(54.3, 10.1);
    const GeoPoint beyondPole{0, (1 << 30) + 1};
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    double miles = 7;
    double bearing = 7;
    GeoPoint end{7, 7};

    EXPECT_EQ(InvPosComputation(sea, beyondPole, &miles, &bearing, 0), kGeoInvalidPosition);
    EXPECT_EQ(InvPosComputation(beyondPole, sea, &miles, &bearing, 0), kGeoInvalidPosition);
    EXPECT_EQ(RL_InvPosComputation(sea, beyondPole, &miles, &bearing), kGeoInvalidPosition);
    EXPECT_EQ(DirPosComputation(beyondPole, &end, 0, 1, 0), kGeoInvalidPosition);
    EXPECT_EQ(InvPosComputation(sea, sea, nullptr, &bearing, 0), kGeoInvalidArgument);
    EXPECT_EQ(InvPosComputation(sea, sea, &miles, &bearing, 1), kGeoInvalidArgument);
    EXPECT_EQ(RL_InvPosComputation(sea, sea, nullptr, &bearing), kGeoInvalidArgument);
    EXPECT_EQ(DirPosComputation(sea, nullptr, 0, 1, 0), kGeoInvalidArgument);
    EXPECT_EQ(DirPosComputation(sea, &end, nan, 1, 0), kGeoInvalidArgument);
    EXPECT_EQ(DirPosComputation(sea, &end, 0, inf, 0), kGeoInvalidArgument);
    EXPECT_EQ(DirPosComputation(sea, &end, 0, 1, 1), kGeoInvalidArgument);
    EXPECT_EQ(DirPosComputation_f(sea, &end, 0, std::numeric_limits<float>::infinity(), 0),
              kGeoInvalidArgument);
    EXPECT_EQ(miles, 7);
    EXPECT_EQ(bearing, 7);
    EXPECT_EQ(end, (GeoPoint{7, 7}));
}

TEST(PositionComputation, BearingMayBeLeftOut)
{
    double miles = -1;
    ASSERT_EQ(InvPosComputation(At(58.5, 11.3), At(60.4, 5.0), &miles, nullptr, 0), kGeoOk);
    EXPECT_GT(miles, 0);
    float milesF = -1;
    ASSERT_EQ(InvPosComputation_f(At(58.5, 11.3), At(60.4, 5.0), &milesF, nullptr, 0), kGeoOk);
    EXPECT_FLOAT_EQ(milesF, static_cast<float>(miles));
    ASSERT_EQ(RL_InvPosComputation(At(58.5, 11.3), At(60.4, 5.0), &miles, nullptr), kGeoOk);
    EXPECT_GT(miles, 0);
}

}  // namespace
