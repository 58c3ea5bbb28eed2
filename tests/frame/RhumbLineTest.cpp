#include "frame/RhumbLine.h"

#include "platform/geodesy/NormalisedCoordinates.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using cmgbase::GeoPoint;

GeoPoint At(double latitude, double longitude)
{
    return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}

struct RhumbCase {
    GeoPoint origin;
    GeoPoint destination;
    double distance;  // nautical miles, from RhumbSolve
    double bearing;   // degrees, RhumbSolve's azimuth brought into (0, 360]
    double bearingTolerance;
};

class RhumbLineInverseTable : public testing::TestWithParam<RhumbCase> {};

// Reference values: the positions (nrm2deg of the normalised values, printed with %.17g) given
// to `RhumbSolve -i -p 9` as "lat1 lon1 lat2 lon2"; s12 / 1852 is the distance.
//
// The distance is the ellipsoid's rhumb line, to the last digit. The bearing is the flat
// approximation on the mean latitude that route legs are measured with: exact along meridians
// and parallels, within a few tenths of a degree of the rhumb line over route legs of up to a
// hundred miles (the tolerance column).
TEST_P(RhumbLineInverseTable, AgreesWithRhumbSolve)
{
    const RhumbCase& c = GetParam();
    double distance = -1;
    double bearing = -1;
    RhumbLineInverse(distance, bearing, c.destination, c.origin);
    EXPECT_NEAR(distance, c.distance, 1e-8);
    EXPECT_NEAR(bearing, c.bearing, c.bearingTolerance);
    EXPECT_GT(bearing, 0);
    EXPECT_LE(bearing, 360);
}

INSTANTIATE_TEST_SUITE_P(
    Legs, RhumbLineInverseTable,
    testing::Values(
        RhumbCase{At(54, 10), At(55, 12), 92.233748054, 49.333236570, 0.1},
        RhumbCase{At(-33.9, 18.4), At(-34.5, 17), 78.394835110, 242.715300096, 0.15},
        // East across the antimeridian: close to 90, not 270
        RhumbCase{At(30, 179), At(30, -179), 104.196849475, 90, 1e-9},
        RhumbCase{At(-10, -179.5), At(-10.5, 179.5), 66.264653336, 243.214610336, 0.2},
        // Due north is 360, due south 180
        RhumbCase{At(50, -5), At(51, -5), 60.064078958, 360, 1e-9},
        RhumbCase{At(51, -5), At(50, -5), 60.064078958, 180, 1e-9},
        RhumbCase{At(0, 0), At(0, 0.01), 0.601078942, 90, 1e-9},
        // An ocean crossing in the north: the distance still exact, the bearing off by 1/3 degree
        RhumbCase{At(60, -10), At(70, 20), 964.964192848, 51.401470994, 0.4}));

TEST(RhumbLineInverse, EqualPointsGiveZeroAndZero)
{
    double distance = -1;
    double bearing = -1;
    RhumbLineInverse(distance, bearing, At(54, 10), At(54, 10));
    EXPECT_EQ(distance, 0);
    EXPECT_EQ(bearing, 0);
}

// The quick answer is the solved line's answer everywhere: near the poles, across the equator
// and the antimeridian, with limits right at the distance and far from it.
TEST(RhumbDistanceWithin, AnswersAsTheSolvedRhumbLine)
{
    std::mt19937 random(1371);
    std::uniform_real_distribution<double> latitude(-89.5, 89.5);
    std::uniform_real_distribution<double> longitude(-180, 180);
    std::uniform_real_distribution<double> offset(-1.5, 1.5);
    for (int pair = 0; pair < 1500; ++pair) {
        const double lat = pair % 10 == 0 ? offset(random) : latitude(random);
        const double lon = pair % 10 == 1 ? 179.5 : longitude(random);
        const GeoPoint origin = At(lat, lon);
        const GeoPoint destination = At(std::clamp(lat + offset(random), -89.9, 89.9),
                                        lon + offset(random) * (pair % 3 + 1));
        double distance = 0;
        double bearing = 0;
        RhumbLineInverse(distance, bearing, destination, origin);
        for (const double factor : {0.5, 0.98, 0.999, 0.999999, 1.0, 1.000001, 1.001, 1.02, 2.0}) {
            SCOPED_TRACE(testing::Message() << lat << " " << lon << " x" << factor);
            EXPECT_EQ(RhumbDistanceWithin(destination, origin, distance * factor), factor >= 1.0);
        }
    }
}

}  // namespace
