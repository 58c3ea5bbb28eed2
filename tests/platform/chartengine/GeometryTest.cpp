#include "platform/chartengine/GeometryTests.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <random>

using namespace chartengine;
using cmgbase::GeoPoint;
using cmgbase::GeoRect;

namespace {

using Shape = std::vector<std::vector<GeoPoint>>;

bool Meets(uint8_t kind, const Shape& shape, const GeoRect& rect)
{
    return ShapeMeetsRect(kind, RingSet(std::span(shape)), rect);
}

TEST(GeometryTests, ShapesMeetRectangles)
{
    // A square 0..100 with a square hole 40..60.
    const Shape donut = {{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}, {{40, 40}, {60, 40}, {60, 60}, {40, 60}, {40, 40}}};
    const Shape line = {{{0, 0}, {100, 100}}};
    const Shape point = {{{50, 50}}};
    const struct {
        const char* what;
        uint8_t kind;
        const Shape& shape;
        GeoRect rect;
        bool meets;
    } cases[] = {
        {"point inside", kGeometryPoint, point, {40, 40, 60, 60}, true},
        {"point on the edge", kGeometryPoint, point, {50, 0, 70, 50}, true},
        {"point outside", kGeometryPoint, point, {51, 51, 70, 70}, false},
        {"line through the rectangle, no vertex inside", kGeometryLine, line, {40, 45, 60, 55}, true},
        {"line passing beside the rectangle", kGeometryLine, line, {60, 0, 100, 39}, false},
        {"line touching a corner", kGeometryLine, line, {-10, 100, 100, 110}, true},
        {"rectangle inside the area", kGeometryArea, donut, {10, 10, 20, 20}, true},
        {"rectangle inside the hole", kGeometryArea, donut, {45, 45, 55, 55}, false},
        {"rectangle holding the area", kGeometryArea, donut, {-10, -10, 110, 110}, true},
        {"rectangle across the boundary", kGeometryArea, donut, {90, 90, 120, 120}, true},
        {"rectangle beside the area", kGeometryArea, donut, {101, 0, 120, 100}, false},
        {"no geometry", kGeometryNone, donut, {-10, -10, 110, 110}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Meets(c.kind, c.shape, c.rect), c.meets) << c.what;
}

TEST(GeometryTests, ShapesMeetPolygons)
{
    const std::vector<GeoPoint> triangle = {{0, 0}, {100, 0}, {0, 100}, {0, 0}};
    const GeoRect bounds{0, 0, 100, 100};
    const struct {
        const char* what;
        uint8_t kind;
        Shape shape;
        bool meets;
    } cases[] = {
        {"point inside", kGeometryPoint, {{{10, 10}}}, true},
        {"point on the long edge", kGeometryPoint, {{{50, 50}}}, true},
        {"point beyond the long edge", kGeometryPoint, {{{60, 60}}}, false},
        {"line crossing without a vertex inside", kGeometryLine, {{{-10, 20}, {20, -10}}}, true},
        {"line beyond", kGeometryLine, {{{60, 60}, {100, 100}}}, false},
        {"area holding the polygon", kGeometryArea, {{{-10, -10}, {200, -10}, {200, 200}, {-10, 200}}}, true},
        {"area beyond the long edge", kGeometryArea, {{{60, 60}, {90, 60}, {90, 90}, {60, 90}}}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShapeMeetsPolygon(c.kind, RingSet(std::span(c.shape)), triangle, bounds), c.meets) << c.what;
}

// Long rings and lines laid in one point array as a cell holds them, not starting on a stretch:
// with the array's stretch bounds every test gives what it gives walking every edge. The small
// grid makes vertices fall on the tested rectangles' corners and parallels.
TEST(GeometryTests, StretchesSkipOnlyEdgesThatCannotMatter)
{
    std::vector<GeoPoint> points(5, GeoPoint{0, 0});
    std::vector<PartRecord> area;
    const auto addRing = [&](std::vector<PartRecord>& parts, int count, int cx, int cy, int radius, int wobble) {
        parts.push_back({uint32_t(points.size()), uint32_t(count)});
        for (int i = 0; i < count; ++i) {
            const double angle = 2 * std::numbers::pi * i / count;
            const int r = radius + (i % 3 == 0 ? wobble : 0);
            points.push_back({cx + int(std::lround(r * std::cos(angle))), cy + int(std::lround(r * std::sin(angle)))});
        }
    };
    addRing(area, 301, 100, 100, 90, -12);
    addRing(area, 77, 100, 100, 30, 6);  // a hole
    std::vector<PartRecord> line;
    line.push_back({uint32_t(points.size()), 150});
    for (int i = 0; i < 150; ++i)
        points.push_back({i + 20, 100 + (i % 2 == 0 ? 40 : -40) * ((i / 10) % 2)});
    const std::vector<GeoRect> stretches = StretchBoundsOf(points);

    std::mt19937 random(30);
    std::uniform_int_distribution<int32_t> coordinate(-10, 210);
    const auto bothAgree = [&](const std::vector<PartRecord>& parts, auto test) {
        return test(RingSet(parts, points.data())) == test(RingSet(parts, points.data(), stretches.data()));
    };
    int inside = 0;
    for (int i = 0; i < 2000; ++i) {
        const GeoPoint p{coordinate(random), coordinate(random)};
        const GeoPoint q{coordinate(random), coordinate(random)};
        const GeoRect rect{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)};
        const std::vector<GeoPoint> triangle = {p, q, {coordinate(random), coordinate(random)}};
        const GeoRect triangleBounds = BoundsOf(RingSet(std::span(&triangle, 1)));
        for (const uint8_t kind : {kGeometryArea, kGeometryLine, kGeometryPointSet}) {
            const std::vector<PartRecord>& parts = kind == kGeometryLine ? line : area;
            ASSERT_TRUE(bothAgree(parts, [&](const RingSet& shape) { return ShapeMeetsRect(kind, shape, rect); }))
                << int(kind) << " rect " << rect.x1 << " " << rect.y1 << " " << rect.x2 << " " << rect.y2;
            ASSERT_TRUE(bothAgree(parts, [&](const RingSet& shape) {
                return ShapeMeetsPolygon(kind, shape, triangle, triangleBounds);
            })) << int(kind) << " triangle from " << p.x << " " << p.y;
        }
        ASSERT_TRUE(bothAgree(area, [&](const RingSet& shape) { return PointInRings(shape, p); }))
            << p.x << " " << p.y;
        inside += PointInRings(RingSet(area, points.data(), stretches.data()), p) ? 1 : 0;
    }
    EXPECT_GT(inside, 0);
    EXPECT_TRUE(PointInRings(RingSet(area, points.data(), stretches.data()), {100, 20}));
    EXPECT_FALSE(PointInRings(RingSet(area, points.data(), stretches.data()), {100, 100}));  // in the hole
    EXPECT_FALSE(PointInRings(RingSet(area, points.data(), stretches.data()), {195, 195}));
}

TEST(GeometryTests, ExtremeCoordinatesDoNotOverflow)
{
    const GeoPoint a{-INT32_MAX, -INT32_MAX}, b{INT32_MAX, INT32_MAX};
    EXPECT_TRUE(SegmentsMeet(a, b, {-INT32_MAX, INT32_MAX}, {INT32_MAX, -INT32_MAX}));
    EXPECT_FALSE(SegmentsMeet(a, {INT32_MAX, -INT32_MAX + 1}, {-INT32_MAX, INT32_MAX}, {INT32_MAX, 0}));
    EXPECT_TRUE(SegmentMeetsRect(a, b, {-1, -1, 1, 1}));
}

}  // namespace
