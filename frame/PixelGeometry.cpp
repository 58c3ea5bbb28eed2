#include "frame/PixelGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// Products of two coordinate differences need 65 bits; the compiler's 128-bit integer holds
// them exactly.
using Wide = __int128;

Wide Cross(int32_t ax, int32_t ay, int32_t bx, int32_t by, int32_t cx, int32_t cy, int32_t dx,
           int32_t dy)
{
    return Wide{int64_t{bx} - ax} * (int64_t{dy} - cy) -
           Wide{int64_t{by} - ay} * (int64_t{dx} - cx);
}

int32_t Saturated(double value)
{
    return static_cast<int32_t>(std::clamp(value, -2147483648.0, 2147483647.0));
}

// 0 within the segment (ends included), 1 beyond its end, 2 before its start.
int Place(double u)
{
    return u > 1 ? 1 : u < 0 ? 2 : 0;
}

}  // namespace

int32_t IntersectSegments(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3,
                          int32_t y3, int32_t x4, int32_t y4, ScreenPoint* point)
{
    const Wide den = Cross(x1, y1, x2, y2, x3, y3, x4, y4);
    const Wide na = Cross(x3, y3, x4, y4, x3, y3, x1, y1);
    const Wide nb = Cross(x1, y1, x2, y2, x3, y3, x1, y1);
    if (den >= -1 && den < 1)
        return na >= -1 && na < 1 ? -2 : -1;

    const double ua = static_cast<double>(na) / static_cast<double>(den);
    const double ub = static_cast<double>(nb) / static_cast<double>(den);
    if (point) {
        point->x = Saturated(std::trunc(x1 + (static_cast<double>(x2) - x1) * ua));
        point->y = Saturated(std::trunc(y1 + (static_cast<double>(y2) - y1) * ua));
    }
    static constexpr int32_t codes[3][3] = {{1, 4, 5}, {2, 6, 7}, {3, 8, 9}};
    return codes[Place(ua)][Place(ub)];
}

int32_t PointInPolygon(int32_t count, const ScreenPoint* points, int32_t px, int32_t py)
{
    int32_t i = 0;
    while (i < count && points[i].x == px)
        ++i;
    if (i >= count)
        return 0;
    bool right = points[i].x > px;  // the side of the line the chain is on

    int32_t crossings = 0;
    for (++i; i < count; ++i) {
        const ScreenPoint& a = points[i - 1];
        const ScreenPoint& b = points[i];
        if (b.x == px || (b.x > px) == right)
            continue;
        // px lies between a.x (or on it) and b.x, so the quotient is within ya..yb.
        const Wide y = Wide{int64_t{px} - a.x} * (int64_t{b.y} - a.y) / (int64_t{b.x} - a.x) +
                       a.y;
        if (y > py)
            ++crossings;
        right = !right;
    }
    return crossings;
}

namespace {

// The distance from (px, py) to the segment a-b, in pixels.
double SegmentDistance(const ScreenPoint& a, const ScreenPoint& b, const ScreenPoint& p)
{
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    const double length = dx * dx + dy * dy;
    double t = 0.0;
    if (length > 0.0)
        t = std::clamp(((double(p.x) - a.x) * dx + (double(p.y) - a.y) * dy) / length, 0.0, 1.0);
    return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

}  // namespace

ChainHit HitTestChain(std::span<const ScreenPoint> points, const ScreenPoint& click, int32_t reach)
{
    for (size_t i = 0; i < points.size(); ++i)
        if (std::abs(int64_t(points[i].x) - click.x) < reach && std::abs(int64_t(points[i].y) - click.y) < reach)
            return {int32_t(i), false};
    for (size_t i = 0; i + 1 < points.size(); ++i)
        if (SegmentDistance(points[i], points[i + 1], click) <= reach - 1)
            return {int32_t(i), true};
    return {};
}
