#include "platform/chartengine/GeometryTests.h"

#include <algorithm>
#include <climits>

namespace chartengine {

using cmgbase::GeoPoint;
using cmgbase::GeoRect;

namespace {

// Twice the signed area of the triangle a, b, c: positive when c lies left of a -> b. Exact: the
// differences fit 33 bits, their products 66.
int Orientation(const GeoPoint& a, const GeoPoint& b, const GeoPoint& c)
{
    const __int128 cross = __int128(int64_t(b.x) - a.x) * (int64_t(c.y) - a.y) -
                           __int128(int64_t(b.y) - a.y) * (int64_t(c.x) - a.x);
    return (cross > 0) - (cross < 0);
}

bool PointInRect(const GeoPoint& p, const GeoRect& r)
{
    return p.x >= r.x1 && p.x <= r.x2 && p.y >= r.y1 && p.y <= r.y2;
}

// For a point known to lie on the line through a and b: whether it lies between them.
bool WithinSegmentBox(const GeoPoint& a, const GeoPoint& b, const GeoPoint& p)
{
    return p.x >= std::min(a.x, b.x) && p.x <= std::max(a.x, b.x) && p.y >= std::min(a.y, b.y) &&
           p.y <= std::max(a.y, b.y);
}

bool PointInRing(Ring ring, const GeoPoint& p)
{
    bool inside = false;
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        const GeoPoint& a = ring[j];
        const GeoPoint& b = ring[i];
        if ((a.y > p.y) != (b.y > p.y)) {
            const int side = Orientation(a, b, p);
            if (b.y > a.y ? side > 0 : side < 0)
                inside = !inside;
        }
    }
    return inside;
}

// Calls edge(a, b) for every edge of every ring (closing edges included) until it returns true.
template <typename Edge>
bool AnyEdge(const RingSet& rings, Edge edge)
{
    for (size_t r = 0; r < rings.size(); ++r) {
        const Ring ring = rings[r];
        for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
            if (edge(ring[j], ring[i]))
                return true;
    }
    return false;
}

// The same for the segments of lines (no closing edge); a line of one point is a point.
template <typename Segment>
bool AnySegment(const RingSet& lines, Segment segment)
{
    for (size_t r = 0; r < lines.size(); ++r) {
        const Ring line = lines[r];
        if (line.size() == 1 && segment(line[0], line[0]))
            return true;
        for (size_t i = 1; i < line.size(); ++i)
            if (segment(line[i - 1], line[i]))
                return true;
    }
    return false;
}

template <typename Test>
bool AnyPoint(const RingSet& rings, Test test)
{
    for (size_t r = 0; r < rings.size(); ++r)
        for (const GeoPoint& p : rings[r])
            if (test(p))
                return true;
    return false;
}

bool SegmentMeetsRing(const GeoPoint& a, const GeoPoint& b, Ring ring)
{
    for (size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++)
        if (SegmentsMeet(a, b, ring[j], ring[i]))
            return true;
    return false;
}

}  // namespace

bool RectsMeet(const GeoRect& a, const GeoRect& b)
{
    return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2;
}

GeoRect BoundsOf(const RingSet& rings)
{
    GeoRect bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    AnyPoint(rings, [&](const GeoPoint& p) {
        bounds.x1 = std::min(bounds.x1, p.x);
        bounds.y1 = std::min(bounds.y1, p.y);
        bounds.x2 = std::max(bounds.x2, p.x);
        bounds.y2 = std::max(bounds.y2, p.y);
        return false;
    });
    return bounds;
}

bool PointInRings(const RingSet& rings, const GeoPoint& point)
{
    bool inside = false;
    for (size_t r = 0; r < rings.size(); ++r)
        if (!rings[r].empty() && PointInRing(rings[r], point))
            inside = !inside;
    return inside;
}

bool SegmentsMeet(const GeoPoint& a, const GeoPoint& b, const GeoPoint& c, const GeoPoint& d)
{
    const int d1 = Orientation(c, d, a);
    const int d2 = Orientation(c, d, b);
    const int d3 = Orientation(a, b, c);
    const int d4 = Orientation(a, b, d);
    if (d1 * d2 < 0 && d3 * d4 < 0)
        return true;
    return (d1 == 0 && WithinSegmentBox(c, d, a)) || (d2 == 0 && WithinSegmentBox(c, d, b)) ||
           (d3 == 0 && WithinSegmentBox(a, b, c)) || (d4 == 0 && WithinSegmentBox(a, b, d));
}

bool SegmentMeetsRect(const GeoPoint& a, const GeoPoint& b, const GeoRect& r)
{
    if (std::max(a.x, b.x) < r.x1 || std::min(a.x, b.x) > r.x2 || std::max(a.y, b.y) < r.y1 ||
        std::min(a.y, b.y) > r.y2)
        return false;
    if (PointInRect(a, r) || PointInRect(b, r))
        return true;
    const GeoPoint sw{r.x1, r.y1}, se{r.x2, r.y1}, ne{r.x2, r.y2}, nw{r.x1, r.y2};
    return SegmentsMeet(a, b, sw, se) || SegmentsMeet(a, b, se, ne) || SegmentsMeet(a, b, ne, nw) ||
           SegmentsMeet(a, b, nw, sw);
}

bool ShapeMeetsRect(uint8_t kind, const RingSet& shape, const GeoRect& rect)
{
    switch (kind) {
    case kGeometryPoint:
    case kGeometryPointSet:
        return AnyPoint(shape, [&](const GeoPoint& p) { return PointInRect(p, rect); });
    case kGeometryLine:
        return AnySegment(shape, [&](const GeoPoint& a, const GeoPoint& b) { return SegmentMeetsRect(a, b, rect); });
    case kGeometryArea:
        return AnyEdge(shape, [&](const GeoPoint& a, const GeoPoint& b) { return SegmentMeetsRect(a, b, rect); }) ||
               PointInRings(shape, GeoPoint{rect.x1, rect.y1});
    default:
        return false;
    }
}

bool ShapeMeetsPolygon(uint8_t kind, const RingSet& shape, Ring polygon, const GeoRect& polygonBounds)
{
    if (polygon.empty())
        return false;
    const auto inPolygon = [&](const GeoPoint& p) {
        return PointInRect(p, polygonBounds) && (PointInRing(polygon, p) || SegmentMeetsRing(p, p, polygon));
    };
    switch (kind) {
    case kGeometryPoint:
    case kGeometryPointSet:
        return AnyPoint(shape, inPolygon);
    case kGeometryLine:
        return AnyPoint(shape, inPolygon) ||
               AnySegment(shape, [&](const GeoPoint& a, const GeoPoint& b) { return SegmentMeetsRing(a, b, polygon); });
    case kGeometryArea:
        return AnyPoint(shape, inPolygon) ||
               AnyEdge(shape, [&](const GeoPoint& a, const GeoPoint& b) { return SegmentMeetsRing(a, b, polygon); }) ||
               PointInRings(shape, polygon[0]);
    default:
        return false;
    }
}

}  // namespace chartengine
