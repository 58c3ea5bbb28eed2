#include "platform/components/IgpScales.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace Igpfunctions;

struct ScaleCase {
    const char* name;
    double minimum;
    double maximum;
    int steps;
    double scaleMinimum;
    double scaleMaximum;
    double step;
};

class AdjustableScales : public testing::TestWithParam<ScaleCase> {};
class FixedScales : public testing::TestWithParam<ScaleCase> {};

void ExpectScale(const ScaleCase& c, bool (*scale)(double&, double&, double&, int))
{
    double minimum = c.minimum;
    double maximum = c.maximum;
    double step = 0;
    ASSERT_TRUE(scale(minimum, maximum, step, c.steps)) << c.name;
    // Exact: decimal steps land on the nearest doubles of their multiples.
    EXPECT_EQ(minimum, c.scaleMinimum) << c.name;
    EXPECT_EQ(maximum, c.scaleMaximum) << c.name;
    EXPECT_DOUBLE_EQ(step, c.step) << c.name;
}

TEST_P(AdjustableScales, EncloseTheRangeInFewSteps)
{
    ExpectScale(GetParam(), GetAutoScaleValuesAdjustable);
}

TEST_P(FixedScales, EncloseTheRangeInTheGivenSteps)
{
    ExpectScale(GetParam(), GetAutoScaleValuesFixed);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AdjustableScales,
    testing::Values(ScaleCase{"0..97 in 10", 0, 97, 10, 0, 100, 10},
                    ScaleCase{"0.13..0.87 in 5", 0.13, 0.87, 5, 0, 1, 0.2},
                    ScaleCase{"-3..7 in 4: 2.5 would take 5", -3, 7, 4, -5, 10, 5},
                    ScaleCase{"0.1..0.3 in 2", 0.1, 0.3, 2, 0.1, 0.3, 0.1},
                    ScaleCase{"reversed", 10, 0, 5, 0, 10, 2},
                    ScaleCase{"empty range widened", 5, 5, 10, 4.5, 5.5, 0.1},
                    ScaleCase{"empty range at 0", 0, 0, 4, -1, 1, 0.5},
                    ScaleCase{"around 0 in one step takes two", -0.1, 0.1, 1, -0.1, 0.1, 0.1},
                    ScaleCase{"large values", 1.2e9, 8.7e9, 8, 1e9, 9e9, 1e9}));

INSTANTIATE_TEST_SUITE_P(
    Cases, FixedScales,
    testing::Values(ScaleCase{"0..97 in 4", 0, 97, 4, 0, 100, 25},
                    ScaleCase{"0.13..0.87 in 5", 0.13, 0.87, 5, 0, 1, 0.2},
                    ScaleCase{"3..7 in 2", 3, 7, 2, 2.5, 7.5, 2.5},
                    ScaleCase{"0..0.7 in 10: the maximum goes beyond", 0, 0.7, 10, 0, 1, 0.1},
                    ScaleCase{"-3..7 in 4", -3, 7, 4, -5, 15, 5}));

TEST(AutoScale, RefusesRangesThatAreNotFinite)
{
    for (const auto scale : {GetAutoScaleValuesAdjustable, GetAutoScaleValuesFixed}) {
        struct Case {
            double minimum;
            double maximum;
        };
        for (const Case c : {Case{0, NAN}, Case{-INFINITY, 1}, Case{1.7e308, -1.7e308}}) {
            double minimum = c.minimum;
            double maximum = c.maximum;
            double step = 3;
            EXPECT_FALSE(scale(minimum, maximum, step, 5));
            EXPECT_TRUE(minimum == c.minimum || (std::isnan(minimum) && std::isnan(c.minimum)));
            EXPECT_TRUE(maximum == c.maximum || (std::isnan(maximum) && std::isnan(c.maximum)));
            EXPECT_EQ(step, 3);
        }
    }
}

}  // namespace
