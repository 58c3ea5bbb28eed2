#include "TimeZone.h"
#include "frame/DateConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>
#include <string>

namespace {

struct DateCase {
    const char* zone;
    double date;  // days since 30 December 1899
    int32_t seconds;
    double dateAfter;  // the caller's variable afterwards
};

class DateToUnixTimeTable : public testing::TestWithParam<DateCase> {};

TEST_P(DateToUnixTimeTable, GivesSecondsOrFailure)
{
    const DateCase& c = GetParam();
    const TimeZone zone(c.zone);
    double date = c.date;
    EXPECT_EQ(DateToUnixTime(date), c.seconds) << c.date;
    EXPECT_EQ(date, c.dateAfter);
}

constexpr const char* kUtc = "UTC0";
constexpr const char* kCentralEurope = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Dates, DateToUnixTimeTable,
    testing::Values(
        DateCase{kUtc, 25569, 1, 25569},  // 1 January 1970, 00:00:01
        DateCase{kUtc, 25569.75, 1, 25569.75},  // the time of day is ignored
        DateCase{kUtc, 45658, 1735689601, 45658},  // 1 January 2025
        // Standard time all year: a summer midnight is 23:00 UTC of the day before
        DateCase{kCentralEurope, 45474, 1719792001 - 3600, 45474},  // 1 July 2024
        DateCase{kCentralEurope, 45658, 1735689601 - 3600, 45658},
        // The last and first days whose seconds fit in 32 bits, and the days beyond
        DateCase{kUtc, 50424, 2147472001, 50424},    // 19 January 2038
        DateCase{kUtc, 50425, -1, 50425},            // 20 January 2038
        DateCase{kUtc, 715, -2147385599, 715},       // 15 December 1901
        DateCase{kUtc, 713, -1, 713},                // 13 December 1901
        DateCase{kUtc, 0, -1, 0},                    // 30 December 1899
        // Out of range: reset to 0 in the caller's variable too
        DateCase{kUtc, -5, -1, 0}, DateCase{kUtc, 100001, -1, 0}, DateCase{kUtc, 100000, -1, 100000}));

TEST(DateToUnixTime, NotANumberIsResetToZero)
{
    const TimeZone zone(kUtc);
    double date = kNaN;
    EXPECT_EQ(DateToUnixTime(date), -1);
    EXPECT_EQ(date, 0);
}

}  // namespace
