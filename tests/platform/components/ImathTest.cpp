#include "platform/components/Imath.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

using namespace Imath;

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr long double Inf = std::numeric_limits<long double>::infinity();
const long double Sqrt2 = std::sqrt(2.0L);
const long double Sqrt3 = std::sqrt(3.0L);

// Within a few units in the last place of the 64-bit mantissa, or the same NaN or infinity.
void ExpectNear(long double actual, long double expected, const char* name)
{
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << name << " gave " << static_cast<double>(actual);
    } else if (std::isinf(expected)) {
        EXPECT_EQ(actual, expected) << name;
    } else {
        const long double tolerance =
            8 * std::numeric_limits<long double>::epsilon() * std::max(1.0L, std::abs(expected));
        EXPECT_NEAR(static_cast<double>((actual - expected) / tolerance), 0.0, 1.0)
            << name << ": " << static_cast<double>(actual) << " for "
            << static_cast<double>(expected);
    }
}

struct UnaryCase {
    const char* name;
    long double (*function)(long double);
    long double argument;
    long double expected;
};

class UnaryFunctions : public testing::TestWithParam<UnaryCase> {};

TEST_P(UnaryFunctions, GiveTheExtendedResult)
{
    const UnaryCase& c = GetParam();
    ExpectNear(c.function(c.argument), c.expected, c.name);
}

// The tolerance is far below the distance between double pi and extended pi (1.2e-16), so
// a computation in double precision fails here.
INSTANTIATE_TEST_SUITE_P(
    Values, UnaryFunctions,
    testing::Values(UnaryCase{"DegToRad 180", DegToRad, 180, Pi},
                    UnaryCase{"DegToRad -30", DegToRad, -30, -Pi / 6},
                    UnaryCase{"RadToDeg pi/4", RadToDeg, Pi / 4, 45},
                    UnaryCase{"Tan pi/4", Tan, Pi / 4, 1},
                    UnaryCase{"Cot pi/4", Cot, Pi / 4, 1},
                    UnaryCase{"Sec pi/3", Sec, Pi / 3, 2},
                    UnaryCase{"Csc pi/6", Csc, Pi / 6, 2},
                    UnaryCase{"ArcSin 0.5", ArcSin, 0.5L, Pi / 6},
                    UnaryCase{"ArcCos 0.5", ArcCos, 0.5L, Pi / 3},
                    UnaryCase{"ArcCot 1", ArcCot, 1, Pi / 4},
                    UnaryCase{"ArcCot -1", ArcCot, -1, -Pi / 4},
                    UnaryCase{"ArcSec 2", ArcSec, 2, Pi / 3},
                    UnaryCase{"ArcCsc 2", ArcCsc, 2, Pi / 6},
                    UnaryCase{"Sinh ln 2", Sinh, std::log(2.0L), 0.75L},
                    UnaryCase{"Cosh ln 2", Cosh, std::log(2.0L), 1.25L},
                    UnaryCase{"Tanh ln 2", Tanh, std::log(2.0L), 0.6L},
                    UnaryCase{"Coth ln 2", Coth, std::log(2.0L), 1 / 0.6L},
                    UnaryCase{"Sech ln 2", Sech, std::log(2.0L), 0.8L},
                    UnaryCase{"Csch ln 2", Csch, std::log(2.0L), 1 / 0.75L},
                    UnaryCase{"ASinh 1", ASinh, 1, std::log(1 + Sqrt2)},
                    UnaryCase{"ACosh 2", ACosh, 2, std::log(2 + Sqrt3)},
                    UnaryCase{"ATanh 0.5", ATanh, 0.5L, std::log(3.0L) / 2},
                    UnaryCase{"ACoth 2", ACoth, 2, std::log(3.0L) / 2},
                    UnaryCase{"ASech 0.5", ASech, 0.5L, std::log(2 + Sqrt3)},
                    UnaryCase{"ACsch 1", ACsch, 1, std::log(1 + Sqrt2)},
                    UnaryCase{"Log10 1000", Log10, 1000, 3}));

// Outside the domain NaN, at a pole an infinity of the pole's sign.
INSTANTIATE_TEST_SUITE_P(
    Domains, UnaryFunctions,
    testing::Values(UnaryCase{"ArcSin 1.5", ArcSin, 1.5L, NAN},
                    UnaryCase{"ArcCos -1.01", ArcCos, -1.01L, NAN},
                    UnaryCase{"ArcCot 0", ArcCot, 0, Pi / 2},
                    UnaryCase{"ArcCot -0", ArcCot, -0.0L, Pi / 2},
                    UnaryCase{"ArcSec 0.5", ArcSec, 0.5L, NAN},
                    UnaryCase{"ArcCsc 0", ArcCsc, 0, NAN},
                    UnaryCase{"Cot 0", Cot, 0, Inf},
                    UnaryCase{"Csc 0", Csc, 0, Inf},
                    UnaryCase{"Coth 0", Coth, 0, Inf},
                    UnaryCase{"Csch -0", Csch, -0.0L, -Inf},
                    UnaryCase{"ACosh 0.5", ACosh, 0.5L, NAN},
                    UnaryCase{"ATanh 2", ATanh, 2, NAN},
                    UnaryCase{"ATanh 1", ATanh, 1, Inf},
                    UnaryCase{"ATanh -1", ATanh, -1, -Inf},
                    UnaryCase{"ACoth 0.5", ACoth, 0.5L, NAN},
                    UnaryCase{"ASech 2", ASech, 2, NAN},
                    UnaryCase{"ASech -0.5", ASech, -0.5L, NAN},
                    UnaryCase{"ASech 0", ASech, 0, Inf},
                    UnaryCase{"Log10 0", Log10, 0, -Inf},
                    UnaryCase{"Log10 -1", Log10, -1, NAN},
                    UnaryCase{"Sinh NaN", Sinh, NAN, NAN}));

struct BinaryCase {
    const char* name;
    long double (*function)(long double, long double);
    long double a;
    long double b;
    long double expected;
};

class BinaryFunctions : public testing::TestWithParam<BinaryCase> {};

TEST_P(BinaryFunctions, GiveTheExtendedResult)
{
    const BinaryCase& c = GetParam();
    ExpectNear(c.function(c.a, c.b), c.expected, c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Values, BinaryFunctions,
    testing::Values(BinaryCase{"arctan2 1, 1", arctan2, 1, 1, Pi / 4},
                    BinaryCase{"arctan2 1, -1", arctan2, 1, -1, 3 * Pi / 4},
                    BinaryCase{"arctan2 -1, -1", arctan2, -1, -1, -3 * Pi / 4},
                    BinaryCase{"arctan2 0, -1", arctan2, 0, -1, Pi},
                    BinaryCase{"Log base 2 of 1024", Log, 2, 1024, 10},
                    BinaryCase{"Log base 10 of 0.001", Log, 10, 0.001L, -3},
                    BinaryCase{"Log base 0.5 of 8", Log, 0.5L, 8, -3},
                    BinaryCase{"Log base 1", Log, 1, 5, NAN},
                    BinaryCase{"Log base 0", Log, 0, 5, NAN},
                    BinaryCase{"Log base -2", Log, -2, 8, NAN},
                    BinaryCase{"Log of -1", Log, 10, -1, NAN},
                    BinaryCase{"Log of 0", Log, 10, 0, -Inf},
                    BinaryCase{"Log base 0.5 of 0", Log, 0.5L, 0, Inf},
                    BinaryCase{"Power 2, 0.5", Power, 2, 0.5L, Sqrt2},
                    BinaryCase{"Power -2, 3", Power, -2, 3, -8},
                    BinaryCase{"Power -8, 1/3", Power, -8, 1.0L / 3, NAN},
                    BinaryCase{"Power 0, -1", Power, 0, -1, Inf},
                    BinaryCase{"Power 0, 0", Power, 0, 0, 1},
                    BinaryCase{"Power NaN, 0", Power, NAN, 0, NAN},
                    BinaryCase{"Power 1, NaN", Power, 1, NAN, NAN}));

struct IntPowerCase {
    long double base;
    int exponent;
    long double expected;
};

class IntPowers : public testing::TestWithParam<IntPowerCase> {};

TEST_P(IntPowers, MultiplyOut)
{
    const IntPowerCase& c = GetParam();
    ExpectNear(IntPower(c.base, c.exponent), c.expected, "IntPower");
    ExpectNear(Pow(c.base, c.exponent), c.expected, "Pow");
}

INSTANTIATE_TEST_SUITE_P(
    Values, IntPowers,
    testing::Values(IntPowerCase{2, 10, 1024}, IntPowerCase{2, -2, 0.25L},
                    IntPowerCase{-3, 3, -27}, IntPowerCase{1.5L, 0, 1}, IntPowerCase{0, 0, 1},
                    IntPowerCase{0, -1, Inf}, IntPowerCase{-0.0L, -3, -Inf},
                    IntPowerCase{1, INT_MIN, 1}, IntPowerCase{2, INT_MIN, 0},
                    IntPowerCase{2, 64, 18446744073709551616.0L},
                    // Beyond the range of a double, within the extended one.
                    IntPowerCase{2, 4000, std::ldexp(1.0L, 4000)},
                    IntPowerCase{NAN, 0, NAN}));

TEST(SinCos, GivesBoth)
{
    long double sine = 0;
    long double cosine = 0;
    SinCos(Pi / 6, sine, cosine);
    ExpectNear(sine, 0.5L, "sine");
    ExpectNear(cosine, Sqrt3 / 2, "cosine");
}

struct RoundCase {
    double value;
    int digit;
    double expected;
};

class RoundToTable : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToTable, RoundsToThePowerOfTen)
{
    const RoundCase& c = GetParam();
    const double rounded = RoundTo(c.value, c.digit);
    if (std::isnan(c.expected))
        EXPECT_TRUE(std::isnan(rounded));
    else
        EXPECT_EQ(rounded, c.expected) << c.value << " at " << c.digit;
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundToTable,
    testing::Values(RoundCase{1234.5678, -2, 1234.57}, RoundCase{1234.5678, 2, 1200},
                    RoundCase{1234.5678, 0, 1235}, RoundCase{-2.5, 0, -3},
                    RoundCase{0.125, -2, 0.13}, RoundCase{-0.125, -2, -0.13},
                    RoundCase{1.7e308, 308, INFINITY},  // 2e308 is beyond a double
                    RoundCase{1.7e308, 400, 0}, RoundCase{1.7e308, 2000, 0},
                    RoundCase{5e-324, -2000, 5e-324}, RoundCase{0.1, -1000, 0.1},
                    RoundCase{INFINITY, 2, INFINITY}, RoundCase{NAN, 2, NAN}));

}  // namespace
