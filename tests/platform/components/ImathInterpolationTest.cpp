#include "platform/components/Imath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <vector>

namespace {

using namespace Imath;
using Table = std::vector<long double>;

Table Values(const Table& x, const std::function<long double(long double)>& f)
{
    Table y;
    for (const long double v : x)
        y.push_back(f(v));
    return y;
}

struct ExactCase {
    const char* name;
    Table x;
    std::function<long double(long double)> f;
    bool rational;  // the rational scheme, else the polynomial one
};

class ExactInterpolation : public testing::TestWithParam<ExactCase> {};

// A polynomial scheme reproduces a polynomial, and a rational scheme a rational function,
// between and beyond the points; with a point more than the function needs, the last
// correction, the error estimate, is nil.
TEST_P(ExactInterpolation, ReproducesTheFunction)
{
    const ExactCase& c = GetParam();
    const Table y = Values(c.x, c.f);
    for (const long double at : {-3.3L, -0.25L, 0.5L, 1.75L, 4.0L}) {
        long double error = 1;
        const long double value = c.rational ? RationalInterpolation(c.x, y, at, error)
                                             : PolynomialInterpolation(c.x, y, at, error);
        EXPECT_NEAR(static_cast<double>(value), static_cast<double>(c.f(at)), 1e-15)
            << c.name << " at " << static_cast<double>(at);
        EXPECT_LT(std::abs(static_cast<double>(error)), 1e-15) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExactInterpolation,
    testing::Values(
        ExactCase{"constant", {2, 5}, [](long double) { return 7.0L; }, false},
        ExactCase{"line", {0, 3, 7}, [](long double x) { return 2 * x - 1; }, false},
        ExactCase{"cubic through unordered points", {3, -1, 0, 2, 5},
                  [](long double x) { return x * x * x - 2 * x * x + 0.5L; }, false},
        ExactCase{"quadratic", {-2, -1, 0, 1, 2},
                  [](long double x) { return 3 * x * x - x + 4; }, false},
        ExactCase{"line, rational", {0, 1, 3, 6}, [](long double x) { return 2 * x + 1; },
                  true},
        ExactCase{"1 / (1 + x^2), rational", {-2, -1, 0, 1, 2, 3},
                  [](long double x) { return 1 / (1 + x * x); }, true}));

TEST(PolynomialInterpolation, ErrorEstimateMatchesTheTrueError)
{
    const Table x{0, 0.4L, 0.8L, 1.2L, 1.6L};
    const Table y = Values(x, [](long double v) { return std::sin(v); });
    long double error = 0;
    const long double value = PolynomialInterpolation(x, y, 1.0L, error);
    const double trueError = std::abs(static_cast<double>(value - std::sin(1.0L)));
    EXPECT_GT(trueError, 0);
    // The last correction is of the order of the remaining error.
    EXPECT_LT(trueError, 10 * std::abs(static_cast<double>(error)));
    EXPECT_GT(trueError, std::abs(static_cast<double>(error)) / 10);
}

TEST(RationalInterpolation, TablePointsAndPoles)
{
    const Table x{1, 2, 3};
    const Table y = Values(x, [](long double v) { return 1 / v; });
    long double error = 1;
    EXPECT_EQ(RationalInterpolation(x, y, 2, error), 0.5L);
    EXPECT_EQ(error, 0);

    // The pole of 1 / x.
    EXPECT_TRUE(std::isnan(RationalInterpolation(x, y, 0, error)));
    EXPECT_EQ(error, INFINITY);

    // (x + 1) / (x - 5) has no pole at 4, but the function through its points at 2 and 3 that
    // the scheme passes through has: no value there rather than a wrong one.
    const Table x4{0, 1, 2, 3};
    const Table y4 = Values(x4, [](long double v) { return (v + 1) / (v - 5); });
    EXPECT_TRUE(std::isnan(RationalInterpolation(x4, y4, 4, error)));
    EXPECT_EQ(error, INFINITY);
    EXPECT_NEAR(static_cast<double>(RationalInterpolation(x4, y4, 1.5L, error)), -2.5 / 3.5,
                1e-15);
}

TEST(Spline, NaturalSplineThroughThreePoints)
{
    // Natural end conditions: second derivatives 0, -3, 0 for a tent of height 1.
    const Table x{0, 1, 2};
    const Table y{0, 1, 0};
    const Table second = Spline(x, y);
    ASSERT_EQ(second.size(), 3u);
    EXPECT_EQ(second[0], 0);
    EXPECT_NEAR(static_cast<double>(second[1]), -3, 1e-15);
    EXPECT_EQ(second[2], 0);

    struct Point {
        long double at;
        double value;
    };
    for (const Point p : {Point{0, 0}, Point{1, 1}, Point{2, 0}, Point{0.5L, 0.6875},
                          Point{1.5L, 0.6875}, Point{3, -1} /* the last piece extended */})
        EXPECT_NEAR(static_cast<double>(SplineInterpolation(x, y, second, p.at)), p.value, 1e-15)
            << static_cast<double>(p.at);
}

TEST(Spline, ReproducesALine)
{
    const Table x{-1, 0.5L, 2, 2.25L, 7};
    const Table y = Values(x, [](long double v) { return 4 - 3 * v; });
    const Table second = Spline(x, y);
    for (const long double at : {-2.0L, 0.0L, 2.1L, 5.0L, 8.0L})
        EXPECT_NEAR(static_cast<double>(SplineInterpolation(x, y, second, at)),
                    static_cast<double>(4 - 3 * at), 1e-14);
}

struct BadTable {
    const char* name;
    Table x;
    Table y;
};

class MalformedTables : public testing::TestWithParam<BadTable> {};

TEST_P(MalformedTables, AreRefused)
{
    const BadTable& c = GetParam();
    long double error = 0;
    EXPECT_THROW(PolynomialInterpolation(c.x, c.y, 0.5L, error), std::invalid_argument) << c.name;
    EXPECT_THROW(RationalInterpolation(c.x, c.y, 0.5L, error), std::invalid_argument) << c.name;
    EXPECT_THROW(Spline(c.x, c.y), std::invalid_argument) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedTables,
    testing::Values(BadTable{"no points", {}, {}}, BadTable{"counts differ", {0, 1}, {0}},
                    BadTable{"an x twice", {0, 1, 0}, {1, 2, 3}},
                    BadTable{"an x not a number", {0, NAN, 2}, {1, 2, 3}}));

TEST(Spline, RefusesFallingXAndOnePoint)
{
    EXPECT_THROW(Spline(Table{0, 2, 1}, Table{0, 0, 0}), std::invalid_argument);
    EXPECT_THROW(Spline(Table{0}, Table{0}), std::invalid_argument);
    const Table x{0, 1};
    EXPECT_THROW(SplineInterpolation(x, x, Table{0}, 0.5L), std::invalid_argument);
}

}  // namespace
