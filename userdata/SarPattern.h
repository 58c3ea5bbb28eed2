#pragma once
// The geometry of the search-and-rescue patterns: the points of a sector, expanding-square or
// parallel search from a datum, each laid along a geodesic: the square's and the parallel
// pattern's from the point before it, the sector's corners from the datum, which every pass
// crosses and ends on.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <vector>

enum class SarPatternType : int32_t {
    Sector = 0,           // three-legged sweeps round the datum, a second pass turned 30 degrees
    ExpandingSquare = 1,  // legs D, D, 2D, 2D, 3D, ... each 90 degrees to starboard
    Parallel = 2,         // W / 2 to port, then D along the course and W across, back and forth
};

struct SarPatternSpec {
    SarPatternType type = SarPatternType::Sector;
    double course = 0.0;      // degrees
    double legMiles = 0.5;    // D
    double widthMiles = 1.0;  // W
    int32_t iterations = 2;
};

// Legs of the pattern: sector 7 a pass, at most two passes; expanding square 4 an iteration;
// parallel 2 an iteration less 1.
int32_t SarLegCount(SarPatternType type, int32_t iterations);

// The most iterations whose pattern still fits a route (MaxRouteWaypoints points).
int32_t MaxSarIterations(SarPatternType type);

// Where the pattern starts when it is laid from the chart centre: the parallel pattern's start
// moves (W - D) / 2 on the course + 90 (when D exceeds W the other way); the others start at the
// centre itself.
cmgbase::GeoPoint SarStartFromCentre(const SarPatternSpec& spec, const cmgbase::GeoPoint& centre);

// The pattern's points from `start`, SarLegCount + 1 of them; none for no iterations or a
// distance the geodesy refuses.
std::vector<cmgbase::GeoPoint> SarPatternPoints(const SarPatternSpec& spec, const cmgbase::GeoPoint& start);
