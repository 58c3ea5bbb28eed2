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

// Calls window(from, to) on runs of the ring's points, from .. to inclusive by their place in
// the ring, each run ending on the point where the next begins, so that every edge but the
// closing one lies in exactly one run. With stretch bounds the runs are the stretches, and those
// whose bounds fail near are left out; without, the whole ring is one run. Stops when window
// returns true.
template <typename Near, typename Window>
bool AnyWindow(const StretchedRing& ring, Near near, Window window)
{
    const size_t count = ring.points.size();
    if (count == 0)
        return false;
    if (!ring.stretches)
        return window(size_t(0), count - 1);
    const size_t last = ring.first + count - 1;
    for (size_t k = ring.first / kStretchPoints; k <= last / kStretchPoints; ++k)
        if (near(ring.stretches[k]) && window(std::max(ring.first, k * kStretchPoints) - ring.first,
                                              std::min(last, (k + 1) * kStretchPoints) - ring.first))
            return true;
    return false;
}

// Calls edge(a, b) for the edges between neighbouring points (no closing edge) that near lets
// through, until it returns true.
template <typename Near, typename Edge>
bool AnyOpenEdge(const StretchedRing& ring, Near near, Edge edge)
{
    const Ring p = ring.points;
    return AnyWindow(ring, near, [&](size_t from, size_t to) {
        for (size_t i = from + 1; i <= to; ++i)
            if (edge(p[i - 1], p[i]))
                return true;
        return false;
    });
}

// The same with the closing edge (last point to first), which is always offered.
template <typename Near, typename Edge>
bool AnyRingEdge(const StretchedRing& ring, Near near, Edge edge)
{
    const Ring p = ring.points;
    return !p.empty() && (edge(p.back(), p.front()) || AnyOpenEdge(ring, near, edge));
}

constexpr auto kEverywhere = [](const GeoRect&) { return true; };

// Whether the edge a -> b crosses the parallel through p east of p; a vertex on the parallel
// counts as south of it, so that a crossing at a vertex counts once.
bool CrossesEastOf(const GeoPoint& a, const GeoPoint& b, const GeoPoint& p)
{
    if ((a.y > p.y) == (b.y > p.y))
        return false;
    const int side = Orientation(a, b, p);
    return b.y > a.y ? side > 0 : side < 0;
}

bool PointInRing(const StretchedRing& ring, const GeoPoint& p)
{
    // Only stretches reaching across p's parallel and east of p hold crossing edges.
    const auto near = [&](const GeoRect& s) { return s.y1 <= p.y && s.y2 > p.y && s.x2 >= p.x; };
    bool inside = false;
    AnyRingEdge(ring, near, [&](const GeoPoint& a, const GeoPoint& b) {
        inside ^= CrossesEastOf(a, b, p);
        return false;
    });
    return inside;
}

// Calls edge(a, b) for every edge of every ring (closing edges included) until it returns true;
// near(stretch bounds) may let the edges of a far stretch be skipped.
template <typename Near, typename Edge>
bool AnyEdge(const RingSet& rings, Near near, Edge edge)
{
    for (size_t r = 0; r < rings.size(); ++r)
        if (AnyRingEdge(rings.stretched(r), near, edge))
            return true;
    return false;
}

// The same for the segments of lines (no closing edge); a line of one point is a point.
template <typename Near, typename Segment>
bool AnySegment(const RingSet& lines, Near near, Segment segment)
{
    for (size_t r = 0; r < lines.size(); ++r) {
        const Ring line = lines[r];
        if (line.size() == 1 ? segment(line[0], line[0]) : AnyOpenEdge(lines.stretched(r), near, segment))
            return true;
    }
    return false;
}

template <typename Near, typename Test>
bool AnyPoint(const RingSet& rings, Near near, Test test)
{
    for (size_t r = 0; r < rings.size(); ++r) {
        const Ring ring = rings[r];
        const bool found = AnyWindow(rings.stretched(r), near, [&](size_t from, size_t to) {
            for (size_t i = from; i <= to; ++i)
                if (test(ring[i]))
                    return true;
            return false;
        });
        if (found)
            return true;
    }
    return false;
}

bool SegmentMeetsRing(const GeoPoint& a, const GeoPoint& b, Ring ring, const GeoRect& ringBounds)
{
    // Most edges of a large shape lie wholly beside a small ring.
    if (std::max(a.x, b.x) < ringBounds.x1 || std::min(a.x, b.x) > ringBounds.x2 ||
        std::max(a.y, b.y) < ringBounds.y1 || std::min(a.y, b.y) > ringBounds.y2)
        return false;
    return AnyRingEdge({ring}, kEverywhere,
                       [&](const GeoPoint& c, const GeoPoint& d) { return SegmentsMeet(a, b, c, d); });
}

void Widen(GeoRect& bounds, const GeoPoint& p)
{
    bounds.x1 = std::min(bounds.x1, p.x);
    bounds.y1 = std::min(bounds.y1, p.y);
    bounds.x2 = std::max(bounds.x2, p.x);
    bounds.y2 = std::max(bounds.y2, p.y);
}

constexpr GeoRect kNoBounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};

}  // namespace

bool RectsMeet(const GeoRect& a, const GeoRect& b)
{
    return a.x1 <= b.x2 && b.x1 <= a.x2 && a.y1 <= b.y2 && b.y1 <= a.y2;
}

GeoRect BoundsOf(const RingSet& rings)
{
    GeoRect bounds = kNoBounds;
    for (size_t r = 0; r < rings.size(); ++r)
        for (const GeoPoint& p : rings[r])
            Widen(bounds, p);
    return bounds;
}

std::vector<GeoRect> StretchBoundsOf(std::span<const GeoPoint> points)
{
    std::vector<GeoRect> stretches;
    stretches.reserve((points.size() + kStretchPoints - 1) / kStretchPoints);
    for (size_t from = 0; from < points.size(); from += kStretchPoints) {
        GeoRect bounds = kNoBounds;
        for (size_t i = from; i <= std::min(points.size() - 1, from + kStretchPoints); ++i)
            Widen(bounds, points[i]);
        stretches.push_back(bounds);
    }
    return stretches;
}

bool PointInRings(const RingSet& rings, const GeoPoint& point)
{
    bool inside = false;
    for (size_t r = 0; r < rings.size(); ++r)
        if (PointInRing(rings.stretched(r), point))
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
    const auto nearRect = [&](const GeoRect& s) { return RectsMeet(s, rect); };
    const auto edgeMeets = [&](const GeoPoint& a, const GeoPoint& b) { return SegmentMeetsRect(a, b, rect); };
    switch (kind) {
    case kGeometryPoint:
    case kGeometryPointSet:
        return AnyPoint(shape, nearRect, [&](const GeoPoint& p) { return PointInRect(p, rect); });
    case kGeometryLine:
        return AnySegment(shape, nearRect, edgeMeets);
    case kGeometryArea:
        return AnyEdge(shape, nearRect, edgeMeets) || PointInRings(shape, GeoPoint{rect.x1, rect.y1});
    default:
        return false;
    }
}

bool ShapeMeetsPolygon(uint8_t kind, const RingSet& shape, Ring polygon, const GeoRect& polygonBounds)
{
    if (polygon.empty())
        return false;
    const auto nearPolygon = [&](const GeoRect& s) { return RectsMeet(s, polygonBounds); };
    const auto inPolygon = [&](const GeoPoint& p) {
        return PointInRect(p, polygonBounds) &&
               (PointInRing({polygon}, p) || SegmentMeetsRing(p, p, polygon, polygonBounds));
    };
    const auto edgeMeets = [&](const GeoPoint& a, const GeoPoint& b) {
        return SegmentMeetsRing(a, b, polygon, polygonBounds);
    };
    switch (kind) {
    case kGeometryPoint:
    case kGeometryPointSet:
        return AnyPoint(shape, nearPolygon, inPolygon);
    case kGeometryLine:
        return AnyPoint(shape, nearPolygon, inPolygon) || AnySegment(shape, nearPolygon, edgeMeets);
    case kGeometryArea:
        return AnyPoint(shape, nearPolygon, inPolygon) || AnyEdge(shape, nearPolygon, edgeMeets) ||
               PointInRings(shape, polygon[0]);
    default:
        return false;
    }
}

}  // namespace chartengine
