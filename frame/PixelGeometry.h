#pragma once
// Segment crossing and point-in-polygon tests on screen pixels. Far off-screen coordinates
// (route points and guard zones well outside the view) are fine: the products of coordinate
// differences are exact over the whole int32 range.

#include <cstdint>
#include <span>

struct ScreenPoint {
    int32_t x;
    int32_t y;
};

// Where the lines through the segment (x1, y1)-(x2, y2) and the segment (x3, y3)-(x4, y4)
// meet. With ua and ub the positions of the meeting point along the first and the second
// segment (0 at the start, 1 at the end):
//
//   ua \ ub    0..1  above 1  below 0
//   0..1         1      4        5
//   above 1      2      6        7
//   below 0      3      8        9
//
// Lines whose directions have a cross product of 0 or -1 count as parallel: -2 when the first
// segment's start lies on the second's line (its cross product likewise 0 or -1), else -1;
// `point` is then left as it is. Otherwise `point`, when given,
// receives the meeting point, truncated and held to the int32 range.
int32_t IntersectSegments(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t x3,
                          int32_t y3, int32_t x4, int32_t y4, ScreenPoint* point = nullptr);

// How often the open chain of `count` points crosses the vertical line through (px, py) below
// the point (at a larger y); a closed polygon repeats its first point at the end, and an odd
// count means inside. A point of the chain on that line (x equal to px) never crosses and
// leaves the chain on the side it was. 0 for fewer than two points.
int32_t PointInPolygon(int32_t count, const ScreenPoint* points, int32_t px, int32_t py);

// Where a click lands on a chain of points (a route or a line): the first point less than
// `reach` pixels from it on both axes; else the first segment that passes at most reach - 1
// pixels from it (onSegment). index -1: neither.
struct ChainHit {
    int32_t index = -1;      // the point, or the segment from point index to point index + 1
    bool onSegment = false;
};
ChainHit HitTestChain(std::span<const ScreenPoint> points, const ScreenPoint& click, int32_t reach);
