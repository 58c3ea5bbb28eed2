#include "frame/DurationText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct DurationCase {
    float distance;  // nautical miles
    float speed;     // knots
    const char* text;
};

class FormatDurationTable : public testing::TestWithParam<DurationCase> {};

TEST_P(FormatDurationTable, GivesTheText)
{
    const DurationCase& c = GetParam();
    EXPECT_EQ(FormatDuration(c.distance, c.speed), c.text) << c.distance << " / " << c.speed;
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInfinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Durations, FormatDurationTable,
    testing::Values(
        DurationCase{1, 3600, "0 m. 01 s."}, DurationCase{10, 20, "30 m. 00 s."},
        DurationCase{5, 7, "42 m. 51 s."}, DurationCase{10, 10, "1 h. 00 m."},
        DurationCase{20, 3, "6 h. 39 m."},  // truncated, never rounded up
        DurationCase{24, 1, "24 h. 00 m."}, DurationCase{25, 1, "1 d. 1 h. 00 m."},
        DurationCase{48, 1, "1 d. 24 h. 00 m."}, DurationCase{49, 1, "2 d. 1 h. 00 m."},
        // Five-digit day counts, and the crawl of a near-zero speed, in whole texts
        DurationCase{2400000, 1, "99999 d. 24 h. 00 m."},
        DurationCase{10, 1e-6f, "416666 d. 16 h. 00 m."},
        // No speed, or a time past counting in 32-bit minutes: the dotted text
        DurationCase{10, 0, ".............. "}, DurationCase{10, -2, ".............. "},
        DurationCase{10, kNaN, ".............. "}, DurationCase{kNaN, 10, ".............. "},
        DurationCase{10, 1e-7f, ".............. "},
        DurationCase{10, std::numeric_limits<float>::denorm_min(), ".............. "},
        DurationCase{kInfinity, 10, ".............. "},
        DurationCase{10, kInfinity, "0 m. 00 s."}));

}  // namespace
