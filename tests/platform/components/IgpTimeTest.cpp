#include "platform/components/IgpTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using namespace Igpfunctions;

constexpr int32_t Max = std::numeric_limits<int32_t>::max();
constexpr int32_t Min = std::numeric_limits<int32_t>::min();

struct UnitCase {
    const char* name;
    int32_t (*convert)(double);
    double dateTime;
    int32_t expected;
};

class WholeUnits : public testing::TestWithParam<UnitCase> {};

TEST_P(WholeUnits, FitInt32OrGiveItsLargestValue)
{
    const UnitCase& c = GetParam();
    EXPECT_EQ(c.convert(c.dateTime), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Limits, WholeUnits,
    testing::Values(
        UnitCase{"one day in seconds", DateToSeconds, 1.0, 86400},
        UnitCase{"one second, rounded", DateToSeconds, 1.0 / 86400, 1},
        UnitCase{"half a day in hours", DateToHours, 0.5, 12},
        UnitCase{"minus 90 minutes", DateToMinutes, -1.5 / 24, -90},
        UnitCase{"largest milliseconds", DateToMilliSeconds, 2147483647.0 / 86400000, Max},
        UnitCase{"lowest milliseconds", DateToMilliSeconds, -2147483648.0 / 86400000, Min},
        UnitCase{"one below the lowest", DateToMilliSeconds, -2147483649.0 / 86400000, Max},
        UnitCase{"largest seconds", DateToSeconds, 2147483647.0 / 86400, Max},
        UnitCase{"seconds one beyond", DateToSeconds, 2147483648.0 / 86400, Max},
        UnitCase{"lowest seconds", DateToSeconds, -2147483648.0 / 86400, Min},
        UnitCase{"lowest minutes", DateToMinutes, -2147483648.0 / 1440, Min},
        UnitCase{"hours one below the lowest", DateToHours, -2147483649.0 / 24, Max},
        UnitCase{"not a number", DateToHours, NAN, Max},
        UnitCase{"infinite", DateToHours, -INFINITY, Max}));

struct DateCase {
    double dateTime;
    bool ok;
    int year = 0;
    int month = 0;
    int day = 0;
};

class DecodeDate : public testing::TestWithParam<DateCase> {};

TEST_P(DecodeDate, SplitsTheDay)
{
    const DateCase& c = GetParam();
    int year = -7;
    int month = -7;
    int day = -7;
    EXPECT_EQ(iDecodeDate(c.dateTime, year, month, day), c.ok) << c.dateTime;
    EXPECT_EQ(year, c.ok ? c.year : -7) << c.dateTime;
    EXPECT_EQ(month, c.ok ? c.month : -7) << c.dateTime;
    EXPECT_EQ(day, c.ok ? c.day : -7) << c.dateTime;
}

INSTANTIATE_TEST_SUITE_P(
    Days, DecodeDate,
    testing::Values(DateCase{0, true, 1899, 12, 30}, DateCase{2.99, true, 1900, 1, 1},
                    DateCase{-1.25, true, 1899, 12, 29}, DateCase{45000.75, true, 2023, 3, 15},
                    DateCase{-693593, true, 1, 1, 1}, DateCase{2958465.5, true, 9999, 12, 31},
                    DateCase{2958466, false}, DateCase{-693594, false}, DateCase{NAN, false}));

}  // namespace
