#include "frame/PixelGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

struct SegmentCase {
    const char* name;
    ScreenPoint a1, a2, b1, b2;
    int32_t code;
    ScreenPoint point;  // expected for codes above 0
};

class IntersectSegmentsTable : public testing::TestWithParam<SegmentCase> {};

TEST_P(IntersectSegmentsTable, GivesCodeAndPoint)
{
    const SegmentCase& c = GetParam();
    ScreenPoint point{12345, 67890};
    EXPECT_EQ(IntersectSegments(c.a1.x, c.a1.y, c.a2.x, c.a2.y, c.b1.x, c.b1.y, c.b2.x, c.b2.y,
                                &point),
              c.code)
        << c.name;
    const ScreenPoint expected = c.code > 0 ? c.point : ScreenPoint{12345, 67890};
    EXPECT_EQ(point.x, expected.x) << c.name;
    EXPECT_EQ(point.y, expected.y) << c.name;
}

// The first segment runs along the x axis from 0 to 10; the second crosses that line at x
// = -5, 5 or 15, from above, through or below it.
INSTANTIATE_TEST_SUITE_P(
    Segments, IntersectSegmentsTable,
    testing::Values(
        SegmentCase{"diagonals of a square", {0, 0}, {10, 10}, {0, 10}, {10, 0}, 1, {5, 5}},
        SegmentCase{"parallel", {0, 0}, {10, 0}, {0, 5}, {10, 5}, -1, {}},
        SegmentCase{"one line", {0, 0}, {10, 0}, {20, 0}, {30, 0}, -2, {}},
        SegmentCase{"beyond the second's end", {0, 0}, {10, 0}, {5, -20}, {5, -10}, 4, {5, 0}},
        SegmentCase{"before the second's start", {0, 0}, {10, 0}, {5, 10}, {5, 20}, 5, {5, 0}},
        SegmentCase{"beyond the first's end", {0, 0}, {10, 0}, {15, -5}, {15, 5}, 2, {15, 0}},
        SegmentCase{"beyond both ends", {0, 0}, {10, 0}, {15, -20}, {15, -10}, 6, {15, 0}},
        SegmentCase{"beyond one, before other", {0, 0}, {10, 0}, {15, 10}, {15, 20}, 7, {15, 0}},
        SegmentCase{"before the first's start", {0, 0}, {10, 0}, {-5, -5}, {-5, 5}, 3, {-5, 0}},
        SegmentCase{"before one, beyond other", {0, 0}, {10, 0}, {-5, -20}, {-5, -10}, 8, {-5, 0}},
        SegmentCase{"before both starts", {0, 0}, {10, 0}, {-5, 10}, {-5, 20}, 9, {-5, 0}},
        SegmentCase{"meeting at the ends", {0, 0}, {10, 0}, {10, 0}, {10, 7}, 1, {10, 0}},
        // A cross product of -1 counts as parallel, of +1 not (kept as the legs are drawn)
        SegmentCase{"unit cross product -1", {0, 0}, {0, 1}, {0, 0}, {1, 0}, -2, {}},
        SegmentCase{"unit cross product +1", {0, 0}, {1, 0}, {0, 0}, {0, 1}, 1, {0, 0}},
        // Far off screen: products far beyond 32 bits, up to the whole int32 range
        SegmentCase{"lane corner a million pixels out",
                    {-1000000, -1000000}, {1000000, 1000000}, {-1000000, 1000000},
                    {1000000, -1000000}, 1, {0, 0}},
        SegmentCase{"diagonals of the int32 square",
                    {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, {INT_MIN, INT_MAX},
                    {INT_MAX, INT_MIN}, 1, {0, 0}},
        // Nearly parallel: the meeting point lies beyond the int32 range and is held to it
        SegmentCase{"meeting point beyond int32",
                    {0, 0}, {2000000000, 1}, {0, 1}, {1999999999, 2}, 9,
                    {INT_MIN, -1999999999}}));

TEST(IntersectSegments, PointIsOptional)
{
    EXPECT_EQ(IntersectSegments(0, 0, 10, 10, 0, 10, 10, 0), 1);
}

struct PolygonCase {
    const char* name;
    std::vector<ScreenPoint> points;
    ScreenPoint probe;
    int32_t crossings;
};

class PointInPolygonTable : public testing::TestWithParam<PolygonCase> {};

TEST_P(PointInPolygonTable, CountsCrossingsBelowThePoint)
{
    const PolygonCase& c = GetParam();
    EXPECT_EQ(PointInPolygon(static_cast<int32_t>(c.points.size()), c.points.data(), c.probe.x,
                             c.probe.y),
              c.crossings)
        << c.name;
}

const std::vector<ScreenPoint> kSquare{{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
// A triangle over the whole int32 range, right of and below its long diagonal.
const std::vector<ScreenPoint> kHuge{{INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}, {INT_MAX, INT_MAX},
                                     {INT_MIN, INT_MAX}};

INSTANTIATE_TEST_SUITE_P(
    Polygons, PointInPolygonTable,
    testing::Values(
        PolygonCase{"inside", kSquare, {5, 5}, 1},
        PolygonCase{"above", kSquare, {5, -5}, 2},
        PolygonCase{"below", kSquare, {5, 15}, 0},
        PolygonCase{"beside", kSquare, {15, 5}, 0},
        PolygonCase{"on a side's line: never crosses", kSquare, {0, 5}, 0},
        PolygonCase{"one point", {{3, 3}}, {0, 0}, 0},
        PolygonCase{"all on the vertical line", {{4, 0}, {4, 9}, {4, 3}}, {4, 1}, 0},
        PolygonCase{"guard zone a million pixels out",
                    {{0, -1000000}, {1000000, 0}, {0, 1000000}, {-1000000, 0}, {0, -1000000}},
                    {500000, 100000}, 1},
        PolygonCase{"int32 triangle, inside", kHuge, {INT_MAX - 1, 0}, 1},
        PolygonCase{"int32 triangle, outside", kHuge, {INT_MAX - 1, INT_MIN}, 2}));

TEST(PointInPolygon, NoPointsGiveZero)
{
    const ScreenPoint point{1, 1};
    EXPECT_EQ(PointInPolygon(0, &point, 0, 0), 0);
    EXPECT_EQ(PointInPolygon(-3, &point, 0, 0), 0);
    EXPECT_EQ(PointInPolygon(0, nullptr, 0, 0), 0);
}

}  // namespace
