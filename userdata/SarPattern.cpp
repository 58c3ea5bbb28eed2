#include "userdata/SarPattern.h"

#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "userdata/RouteTable.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int32_t SectorPassLegs = 7;
constexpr int32_t SectorMostLegs = 14;
constexpr double SectorPassTurn = 30.0;

struct Leg {
    double length;
    double course;
};

// One pass of the sector: D, D, 2D, D, 2D, D, D on c, c + 120, c + 240 and round again, which
// comes back to the datum. Its corners lie D from the datum on these bearings from c: they are
// laid from the datum, so that the legs cross it and each pass ends on it exactly (legs laid one
// from the other would miss it by metres, as the meridians converge).
constexpr std::array<double, SectorPassLegs - 1> SectorCorners{0, 60, 240, 300, 120, 180};

double Normalised(double course)
{
    const double turned = std::fmod(course, 360.0);
    return turned < 0.0 ? turned + 360.0 : turned;
}

// Corner k (from 1) of the sector: D from the datum, or the datum itself at the end of a pass.
Leg SectorCorner(const SarPatternSpec& spec, int32_t k)
{
    const int32_t corner = (k - 1) % SectorPassLegs;
    if (corner == SectorPassLegs - 1)
        return {0.0, 0.0};
    const double pass = (k - 1) / SectorPassLegs;
    return {spec.legMiles, spec.course + SectorCorners[size_t(corner)] + pass * SectorPassTurn};
}

// Leg k (from 1) of the square and the parallel pattern.
Leg PatternLeg(const SarPatternSpec& spec, int32_t k)
{
    const double c = spec.course, d = spec.legMiles, w = spec.widthMiles;
    switch (spec.type) {
    case SarPatternType::Sector:
        break;
    case SarPatternType::ExpandingSquare:
        return {double((k + 1) / 2) * d, c + 90.0 * (k - 1)};
    case SarPatternType::Parallel:
        if (k == 1)
            return {w / 2.0, c - 90.0};
        if (k % 2 == 1)
            return {w, c - 90.0};
        return {d, k % 4 == 2 ? c : c + 180.0};
    }
    return {0.0, c};
}

}  // namespace

int32_t SarLegCount(SarPatternType type, int32_t iterations)
{
    switch (type) {
    case SarPatternType::Sector:
        return std::min(SectorPassLegs * iterations, SectorMostLegs);
    case SarPatternType::ExpandingSquare:
        return 4 * iterations;
    case SarPatternType::Parallel:
        return 2 * iterations - 1;
    }
    return 0;
}

int32_t MaxSarIterations(SarPatternType type)
{
    // Points are legs + 1.
    switch (type) {
    case SarPatternType::Parallel:
        return MaxRouteWaypoints / 2;
    case SarPatternType::Sector:
    case SarPatternType::ExpandingSquare:
        break;
    }
    return (MaxRouteWaypoints - 1) / 4;
}

cmgbase::GeoPoint SarStartFromCentre(const SarPatternSpec& spec, const cmgbase::GeoPoint& centre)
{
    if (spec.type != SarPatternType::Parallel)
        return centre;
    cmgbase::GeoPoint start = centre;
    cmgbase::DirPosComputation(centre, &start, cmgbase::deg2rad(Normalised(spec.course + 90.0)),
                               (spec.widthMiles - spec.legMiles) / 2.0, 0);
    return start;
}

std::vector<cmgbase::GeoPoint> SarPatternPoints(const SarPatternSpec& spec, const cmgbase::GeoPoint& start)
{
    const int32_t legs = spec.iterations < 1 ? 0 : SarLegCount(spec.type, spec.iterations);
    const bool sector = spec.type == SarPatternType::Sector;
    std::vector<cmgbase::GeoPoint> points{start};
    for (int32_t k = 1; k <= legs; ++k) {
        const Leg leg = sector ? SectorCorner(spec, k) : PatternLeg(spec, k);
        const cmgbase::GeoPoint from = sector ? start : points.back();
        cmgbase::GeoPoint next = from;
        if (leg.length != 0.0 &&
            cmgbase::DirPosComputation(from, &next,
                                       cmgbase::deg2rad(Normalised(leg.course)), leg.length, 0) != cmgbase::kGeoOk)
            return {};
        points.push_back(next);
    }
    return legs > 0 ? points : std::vector<cmgbase::GeoPoint>{};
}
