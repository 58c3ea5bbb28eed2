#pragma once
// Reduces a polyline to the points that shape it (Douglas-Peucker): a point stays when it lies
// farther than the tolerance from the chord of the part it belongs to, the farthest such point
// splitting the part in two. A closed ring (first point equal to the last) is split at its
// lowest and its highest point. With the adjustment on, each point kept is moved sideways where
// that lets its two chords still pass within the tolerance of every point dropped between them.
//
// The distance of a point from a chord is its distance from the segment: beyond either end it
// is the distance from that end.

#include <cstdint>
#include <span>
#include <vector>

struct PlanePoint {
    double x = 0.0;
    double y = 0.0;
};

struct KeptPoint {
    PlanePoint point;    // where it stands after the adjustment
    int32_t source = 0;  // index of the input point it is
};

// Nesting of splits beyond which a part is left as it is; the splits are carried on a stack of
// their own, so the limit is reached without exhausting the call stack.
constexpr int MaxSplitDepth = 32000;
// Steps of the search for a point's adjusted position.
constexpr int AdjustmentSteps = 10;

// The kept points in their order; a closed ring repeats its first kept point at the end. Fewer than 2 points give none. The tolerance is in the points' units;
// a point exactly at the tolerance is dropped, so with 0 every point off its chord stays. A
// tolerance below 0 (or not a number) counts as 0.
std::vector<KeptPoint> SimplifyPolyline(std::span<const PlanePoint> points, double tolerance,
                                         bool adjust = true);
