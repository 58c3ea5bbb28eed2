#include "platform/geodesy/GeoCover.h"

#include "GeodesyTestPoints.h"

#include <gtest/gtest.h>

#include <functional>

using namespace cmgbase;

namespace {

GeoRect Degrees(double west, double south, double east, double north)
{
    const GeoPoint sw = At(south, west);
    const GeoPoint ne = At(north, east);
    return {sw.x, sw.y, ne.x, ne.y};
}

const GeoRect kWorld{-INT32_MAX, -(1 << 30), INT32_MAX, 1 << 30};

// Checks the cover against the set it should hold, point by point: on a grid over the world,
// on the edges of every rectangle involved, and one unit outside them.
void ExpectCoverIs(const GeoCover& cover, const std::vector<GeoRect>& involved,
                   const std::function<bool(const GeoPoint&)>& inside)
{
    std::vector<int64_t> xs;
    std::vector<int64_t> ys;
    for (int64_t v = -(int64_t{1} << 31); v < (int64_t{1} << 31); v += (int64_t{1} << 31) / 40)
        xs.push_back(v), ys.push_back(v / 2);
    for (const GeoRect& r : involved) {
        for (int64_t d : {-1, 0, 1}) {
            xs.insert(xs.end(), {r.x1 + d, r.x2 + d});
            ys.insert(ys.end(), {r.y1 + d, r.y2 + d});
        }
    }
    for (int64_t x : xs) {
        for (int64_t y : ys) {
            if (x < INT32_MIN || x > INT32_MAX || y < INT32_MIN || y > INT32_MAX)
                continue;
            const GeoPoint p{static_cast<int32_t>(x), static_cast<int32_t>(y)};
            ASSERT_EQ(cover.contains(p), inside(p)) << "x " << x << " y " << y;
        }
    }
    for (size_t i = 0; i < cover.rects().size(); ++i) {
        const GeoRect& a = cover.rects()[i];
        EXPECT_TRUE(a.x1 <= a.x2 && a.y1 <= a.y2);
        for (size_t j = i + 1; j < cover.rects().size(); ++j) {
            const GeoRect& b = cover.rects()[j];
            EXPECT_TRUE(a.x2 < b.x1 || b.x2 < a.x1 || a.y2 < b.y1 || b.y2 < a.y1)
                << "pieces " << i << " and " << j << " overlap";
        }
    }
}

TEST(GeoCover, PointInRectangle)
{
    const GeoRect baltic = Degrees(10, 53, 30, 66);
    const GeoRect pacific = Degrees(170, -10, -170, 10);  // over the antimeridian
    EXPECT_TRUE(cross__GeoPoint_GeoRect(At(60, 20), baltic));
    EXPECT_TRUE(cross__GeoPoint_GeoRect(GeoPoint{baltic.x1, baltic.y2}, baltic));  // corner
    EXPECT_FALSE(cross__GeoPoint_GeoRect(GeoPoint{baltic.x1 - 1, baltic.y2}, baltic));
    EXPECT_FALSE(cross__GeoPoint_GeoRect(At(52.9, 20), baltic));
    EXPECT_TRUE(cross__GeoPoint_GeoRect(At(0, 179), pacific));
    EXPECT_TRUE(cross__GeoPoint_GeoRect(At(0, -179), pacific));
    EXPECT_TRUE(cross__GeoPoint_GeoRect(GeoPoint{INT32_MIN, 0}, pacific));
    EXPECT_FALSE(cross__GeoPoint_GeoRect(At(0, 0), pacific));
    EXPECT_FALSE(cross__GeoPoint_GeoRect(At(0, 0), Degrees(0, 1, 0, -1)));  // south above north
}

TEST(GeoCover, AssignClearAndScaleBand)
{
    GeoCover cover;
    EXPECT_TRUE(cover.isEmpty());
    const GeoPoint point = At(54.3, 10.1);
    GeoCover__asn_GeoRect(cover, GeoRect{point.x, point.y, point.x, point.y}, 1000000000, 0);
    ASSERT_EQ(cover.rects().size(), 1u);
    EXPECT_TRUE(cover.contains(point));
    EXPECT_TRUE(cover.coversScale(1000000000));
    EXPECT_FALSE(cover.coversScale(1000000001));

    GeoCover__asn_GeoRect(cover, kWorld);
    EXPECT_EQ(cover.rects(), std::vector<GeoRect>{kWorld});
    EXPECT_TRUE(cover.coversScale(INT32_MAX));

    GeoCover__clear(cover);
    EXPECT_TRUE(cover.isEmpty());
    GeoCover__asn_GeoRect(cover, Degrees(0, 1, 0, -1));
    EXPECT_TRUE(cover.isEmpty());
}

TEST(GeoCover, SubtractAndIntersect)
{
    const GeoRect area = Degrees(-12, 48, 30, 66);
    const GeoRect zoneA = Degrees(-20, 40, 6, 60);
    const GeoRect zoneB = Degrees(20, 55, 40, 62);
    const GeoRect pacific = Degrees(170, -10, -170, 10);
    const GeoRect eastPacific = Degrees(175, -20, 180, 20);

    struct Case {
        const char* name;
        std::function<void(GeoCover&)> build;
        std::vector<GeoRect> involved;
        std::function<bool(const GeoPoint&)> inside;
    };
    auto in = [](const GeoRect& r) {
        return [r](const GeoPoint& p) { return cross__GeoPoint_GeoRect(p, r); };
    };
    const Case cases[] = {
        {"two zones taken out",
         [&](GeoCover& c) {
             GeoCover__asn_GeoRect(c, area);
             GeoCover__sub_GeoRect(c, zoneA);
             GeoCover__sub_GeoRect(c, zoneB);
         },
         {area, zoneA, zoneB},
         [&](const GeoPoint& p) { return in(area)(p) && !in(zoneA)(p) && !in(zoneB)(p); }},
        {"a hole in the middle",
         [&](GeoCover& c) {
             GeoCover__asn_GeoRect(c, area);
             GeoCover__sub_GeoRect(c, Degrees(0, 55, 10, 60));
         },
         {area, Degrees(0, 55, 10, 60)},
         [&](const GeoPoint& p) { return in(area)(p) && !in(Degrees(0, 55, 10, 60))(p); }},
        {"intersection with a zone",
         [&](GeoCover& c) {
             GeoCover__asn_GeoRect(c, area);
             GeoCover__mul_GeoRect(c, zoneB);
         },
         {area, zoneB},
         [&](const GeoPoint& p) { return in(area)(p) && in(zoneB)(p); }},
        {"over the antimeridian, minus its eastern part",
         [&](GeoCover& c) {
             GeoCover__asn_GeoRect(c, pacific);
             GeoCover__sub_GeoRect(c, eastPacific);
         },
         {pacific, eastPacific},
         [&](const GeoPoint& p) { return in(pacific)(p) && !in(eastPacific)(p); }},
        {"the world times a rectangle over the antimeridian",
         [&](GeoCover& c) {
             GeoCover__asn_GeoRect(c, kWorld);
             GeoCover__mul_GeoRect(c, pacific);
         },
         {kWorld, pacific},
         [&](const GeoPoint& p) { return in(kWorld)(p) && in(pacific)(p); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GeoCover cover;
        c.build(cover);
        ExpectCoverIs(cover, c.involved, c.inside);
    }
}

TEST(GeoCover, ZonesThatMeetAtAnEdgeLeaveNothing)
{
    // Sub-zones that share a border cover a rectangle across that border completely.
    GeoCover cover;
    GeoCover__asn_GeoRect(cover, Degrees(-6, 48, 12, 60));
    GeoCover__sub_GeoRect(cover, Degrees(-12, 45, 6, 63));
    GeoCover__sub_GeoRect(cover, Degrees(6, 45, 24, 63));
    EXPECT_TRUE(cover.isEmpty());
}

}  // namespace
