#include "platform/geodesy/NormalisedCoordinates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <random>

using namespace cmgbase;

namespace {

constexpr double kUnit = 180.0 / 2147483648.0;  // degrees per normalised unit

struct Deg2NrmCase {
    const char* name;
    double degrees;
    int32_t normalised;
};

TEST(NormalisedCoordinates, Deg2NrmFixedValues)
{
    const double inf = std::numeric_limits<double>::infinity();
    const Deg2NrmCase cases[] = {
        {"zero", 0.0, 0},
        {"north pole", 90.0, 1 << 30},
        {"south pole", -90.0, -(1 << 30)},
        {"45 east", 45.0, 1 << 29},
        {"one degree", 1.0, 11930465},         // 11930464.71
        {"minus one degree", -1.0, -11930465}, // symmetric
        {"weather data area west", -16.410622, -195786347},
        {"half a unit rounds away from zero", 0.5 * kUnit, 1},
        {"minus half a unit", -0.5 * kUnit, -1},
        {"two and a half units", 2.5 * kUnit, 3},
        {"just under half a unit", 0.49 * kUnit, 0},
        {"+180 saturates", 180.0, INT32_MAX},
        {"-180 saturates symmetrically", -180.0, -INT32_MAX},
        {"beyond +180", 190.0, INT32_MAX},
        {"beyond -180", -1e10, -INT32_MAX},
        {"+infinity", inf, INT32_MAX},
        {"-infinity", -inf, -INT32_MAX},
        {"NaN", std::numeric_limits<double>::quiet_NaN(), 0},
        {"last unit below 180", 180.0 - kUnit, INT32_MAX},
        {"second last unit below 180", 180.0 - 2 * kUnit, INT32_MAX - 1},
    };
    for (const Deg2NrmCase& c : cases)
        EXPECT_EQ(deg2nrm(c.degrees), c.normalised) << c.name;
}

TEST(NormalisedCoordinates, Nrm2DegIsExact)
{
    EXPECT_EQ(nrm2deg(0), 0.0);
    EXPECT_EQ(nrm2deg(1 << 30), 90.0);
    EXPECT_EQ(nrm2deg(INT32_MIN), -180.0);
    EXPECT_EQ(nrm2deg(INT32_MAX), 180.0 - kUnit);
    EXPECT_EQ(nrm2deg(-195786347), -195786347 * kUnit);
}

TEST(NormalisedCoordinates, RoundTripFromNormalised)
{
    // Every value comes back unchanged, except -2^31 whose -180 degrees saturate.
    for (int64_t n = INT32_MIN + 1; n <= INT32_MAX; n += 65521) {
        const auto value = static_cast<int32_t>(n);
        ASSERT_EQ(deg2nrm(nrm2deg(value)), value);
    }
    for (int32_t value : {INT32_MAX, INT32_MAX - 1, INT32_MIN + 1, -1, 0, 1})
        EXPECT_EQ(deg2nrm(nrm2deg(value)), value);
    EXPECT_EQ(deg2nrm(nrm2deg(INT32_MIN)), -INT32_MAX);
}

TEST(NormalisedCoordinates, RoundTripFromDegreesWithinHalfAUnit)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> degrees(-180.0 + kUnit, 180.0 - kUnit);
    for (int i = 0; i < 100000; ++i) {
        const double d = degrees(random);
        ASSERT_LE(std::abs(nrm2deg(deg2nrm(d)) - d), 0.5 * kUnit + 1e-15) << d;
    }
}

TEST(NormalisedCoordinates, AngleUnits)
{
    EXPECT_DOUBLE_EQ(deg2rad(180.0), std::numbers::pi);
    EXPECT_DOUBLE_EQ(deg2rad(-90.0), -std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(rad2deg(std::numbers::pi / 4), 45.0);
    EXPECT_DOUBLE_EQ(nrm2rad(1 << 30), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(nrm2rad(INT32_MIN), -std::numbers::pi);
}

TEST(NormalisedCoordinates, RoundToNearestWholeNumber)
{
    EXPECT_EQ(cmgbase::round(2.4), 2);
    EXPECT_EQ(cmgbase::round(2.5), 3);
    EXPECT_EQ(cmgbase::round(-2.5), -3);
    EXPECT_EQ(cmgbase::round(-0.4), 0);
    EXPECT_EQ(cmgbase::round(3e9), INT32_MAX);
    EXPECT_EQ(cmgbase::round(-3e9), INT32_MIN);
    EXPECT_EQ(cmgbase::round(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
