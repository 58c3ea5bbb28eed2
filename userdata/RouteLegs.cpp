#include "userdata/RouteLegs.h"

#include "frame/PortSettings.h"
#include "frame/RhumbLine.h"
#include "frame/SetupParameters.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "userdata/RouteHooks.h"

#include <algorithm>
#include <cmath>
#include <mutex>

using cmgbase::GeoPoint;

namespace {

constexpr double DegreesPerRadian = 57.29577951308232;

bool Drawing()
{
    return RouteEditMode == RouteDrawing;
}

bool BearingsAgree(double a, double b)
{
    const double difference = std::fabs(a - b);
    return !(difference > 10 && difference < 350);
}

// Whether the straight part from one turn's end to the next turn's start runs along the leg.
bool StraightRunsAlong(const GeoPoint& from, const GeoPoint& to, double legBearing)
{
    double distance = 0;
    double bearing = 0;
    RhumbLineInverse(distance, bearing, to, from);
    return BearingsAgree(bearing, legBearing);
}

}  // namespace

bool HasLeg(int32_t n, int32_t count)
{
    return Drawing() ? n < count : n < count - 1;
}

int32_t DefaultOf(uint16_t own, int16_t routeDefault)
{
    return own ? int32_t{own} : int32_t{routeDefault};
}

double LegSpeed(const WP_typ& entry)
{
    const int32_t tenths = DefaultOf(entry.speed, SetupParameters.DefaultRouteSpeed);
    return std::max(tenths, int32_t{1}) * 0.1;
}

RouteTotals SumRouteLegs(int32_t from, int32_t to)
{
    RouteTotals totals;
    for (int32_t i = std::max(from, int32_t{0}); i < std::min(to, RouteEntryCount()); ++i) {
        const WP_typ& entry = RouteTable[size_t(i)];
        const double distance = entry.legDistance;
        totals.distance += distance;
        totals.hours += distance / LegSpeed(entry);
        if (entry.stopMinutes > 0)
            totals.hours += entry.stopMinutes / 60.0;
    }
    return totals;
}

void ComputeRouteLeg(int32_t n)
{
    const int32_t count = RouteEntryCount();
    if (n < 0 || n >= count)
        return;
    WP_typ& entry = RouteTable[size_t(n)];
    double distance = 0;
    double bearing = 0;
    if (HasLeg(n, count)) {
        const GeoPoint from = entry.position;
        const GeoPoint to = RouteTable[size_t(n) + 1].position;
        if (entry.legKind == GreatCircleLeg) {
            double radians = 0;
            if (cmgbase::InvPosComputation(from, to, &distance, &radians, 0) == cmgbase::kGeoOk)
                bearing = radians * DegreesPerRadian;
        } else {
            RhumbLineInverse(distance, bearing, to, from);
        }
    }
    float degrees = static_cast<float>(std::fmod(bearing, 360.0));
    if (degrees < 0)
        degrees += 360;
    if (degrees >= 360)
        degrees = 0;
    const std::lock_guard lock(ComOutStateLock);
    entry.legDistance = static_cast<float>(distance);
    entry.legBearing = degrees;
}

bool RouteLegGeometryPending = false;
double RouteLength = 0;

void ComputeRouteLegs()
{
    const int32_t legs = RouteEntryCount() - 1;
    for (int32_t n = 0; n < legs; ++n)
        ComputeRouteLeg(n);
    RouteLength = SumRouteLegs(0, legs).distance;
}

void ComputeWaypointTurn(int32_t n)
{
    const int32_t count = RouteEntryCount();
    if (n < 0 || n > count)
        return;
    WP_typ& entry = RouteTable[size_t(n)];
    const GeoPoint position = entry.position;
    entry.turnComputed = 1;
    if (n == 0) {
        entry.turnEnd = position;
        return;
    }
    if (n == count - 1 && !Drawing()) {
        entry.turnStart = position;
        return;
    }
    if (n == count) {
        entry.turnStart = HookedCursorChartPoint();
        return;
    }

    const WP_typ& previous = RouteTable[size_t(n) - 1];
    const WP_typ& next = RouteTable[size_t(n) + 1];
    const GeoPoint previousEnd = previous.turnEnd;
    const GeoPoint nextStart = next.turnStart;
    const double inBearing = previous.legBearing;
    const double outBearing = entry.legBearing;
    // Half the angle between the legs at the waypoint, and the bisector towards the arc centre.
    double half = (outBearing + 180 - inBearing) * 0.5;
    double bisector = 0;
    if (half > 90) {
        half = 180 - half;
        bisector = outBearing + half;
    } else {
        bisector = outBearing - half;
    }
    half = std::fabs(half);
    if (half == 0)
        half = 0.1;  // a leg reversal: a very long tangent, which will not fit
    const double radius =
        std::max(DefaultOf(entry.turnRadius, SetupParameters.DefaultTurnRadius), int32_t{0}) *
        0.01;

    GeoPoint start = position;
    GeoPoint end = position;
    GeoPoint centre = position;
    bool misfit = entry.stopMinutes > 0;
    if (!misfit) {
        const double toCentre = radius / std::sin(cmgbase::deg2rad(half));
        const double tangent = toCentre * std::sin(cmgbase::deg2rad(90 - half));
        cmgbase::DirPosComputation(position, &start, cmgbase::deg2rad(inBearing + 180), tangent,
                                   0);
        cmgbase::DirPosComputation(position, &end, cmgbase::deg2rad(outBearing), tangent, 0);
        cmgbase::DirPosComputation(position, &centre, cmgbase::deg2rad(bisector), toCentre, 0);
        // Each check needs the neighbour's turn computed for this route, whichever hemisphere
        // it lies in.
        const bool fitsBefore =
            !previous.turnComputed || StraightRunsAlong(previousEnd, start, inBearing);
        const bool fitsAfter =
            !next.turnComputed || StraightRunsAlong(end, nextStart, outBearing);
        if (!fitsBefore || !fitsAfter) {
            misfit = true;
            TurnMisfitSeen = 1;
        }
    }
    if (misfit)
        start = end = centre = position;
    entry.turnStart = start;
    entry.turnEnd = end;
    entry.turnCentre = centre;
    entry.turnMisfit = misfit ? 1 : 0;
}
