#pragma once
// The chart engine's positions and rectangles, in normalised coordinates: signed 32-bit, 2^31
// units per 180 degrees (see NormalisedCoordinates.h), longitude (x) first, then latitude (y).
// Both are stored in files and records exactly as laid out here.

#include <cstdint>

namespace cmgbase {

struct GeoPoint {
    int32_t x = 0;  // longitude, east positive
    int32_t y = 0;  // latitude, north positive

    friend bool operator==(const GeoPoint&, const GeoPoint&) = default;
};
static_assert(sizeof(GeoPoint) == 8);

// West, south, east, north; the edges belong to the rectangle. A rectangle whose west edge lies
// east of its east edge (x1 > x2) crosses the antimeridian; one with y1 > y2 is empty.
struct GeoRect {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;

    friend bool operator==(const GeoRect&, const GeoRect&) = default;
};
static_assert(sizeof(GeoRect) == 16);

// True when the point lies in the rectangle or on its edge.
inline bool cross__GeoPoint_GeoRect(const GeoPoint& point, const GeoRect& rect)
{
    if (point.y < rect.y1 || point.y > rect.y2)
        return false;
    if (rect.x1 <= rect.x2)
        return point.x >= rect.x1 && point.x <= rect.x2;
    return point.x >= rect.x1 || point.x <= rect.x2;
}

}  // namespace cmgbase
