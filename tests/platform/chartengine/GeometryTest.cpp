#include "platform/chartengine/GeometryTests.h"

#include <gtest/gtest.h>

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

TEST(GeometryTests, ExtremeCoordinatesDoNotOverflow)
{
    const GeoPoint a{-INT32_MAX, -INT32_MAX}, b{INT32_MAX, INT32_MAX};
    EXPECT_TRUE(SegmentsMeet(a, b, {-INT32_MAX, INT32_MAX}, {INT32_MAX, -INT32_MAX}));
    EXPECT_FALSE(SegmentsMeet(a, {INT32_MAX, -INT32_MAX + 1}, {-INT32_MAX, INT32_MAX}, {INT32_MAX, 0}));
    EXPECT_TRUE(SegmentMeetsRect(a, b, {-1, -1, 1, 1}));
}

}  // namespace
