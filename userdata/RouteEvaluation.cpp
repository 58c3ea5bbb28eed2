#include "userdata/RouteEvaluation.h"

#include "frame/PortSettings.h"
#include "frame/RhumbLine.h"
#include "frame/SetupParameters.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteTable.h"

#include <algorithm>
#include <cmath>
#include <mutex>

namespace {

using cmgbase::GeoPoint;

struct Rhumb {
    double distance = 0.0;
    double bearing = 0.0;
};

Rhumb RhumbTo(const GeoPoint& from, const GeoPoint& to)
{
    Rhumb leg;
    RhumbLineInverse(leg.distance, leg.bearing, to, from);
    return leg;
}

double Reduced(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0 ? degrees + 360.0 : degrees;
}

double SinDegrees(double degrees) { return std::sin(cmgbase::deg2rad(degrees)); }

// True when `bearing` lies strictly inside the half circle clockwise from `from`.
bool InClockwiseHalf(double bearing, double from)
{
    const double offset = Reduced(bearing - from);
    return offset > 0.0 && offset < 180.0;
}

// Where the approach to waypoint n ends: the start of its turn, the waypoint itself while its
// turn is not computed.
GeoPoint ApproachEnd(const WP_typ& entry)
{
    return entry.turnComputed ? GeoPoint(entry.turnStart) : GeoPoint(entry.position);
}

GeoPoint TurnEnd(const WP_typ& entry)
{
    return entry.turnComputed ? GeoPoint(entry.turnEnd) : GeoPoint(entry.position);
}

// The values of one evaluation, written together.
struct Evaluation {
    int32_t current = 0;
    int32_t nextStop = 0;
    uint8_t turning = 0;
    uint8_t laneExceeded = 0;
    uint8_t routeEnded = 0;
    uint8_t nearNextLeg = 0;
    uint8_t pastAbeam = 0;
    uint8_t newWaypoint = 0;
    int32_t startGrace = 0;
    int32_t alarmHold = 0;
    float distanceToGo = 0.0f;
    float bearingToSteer = 0.0f;
    double crossTrackError = 0.0;
};

}  // namespace

RouteEvaluationResult EvaluateRouteFollowing(const RouteEvaluationInput& input)
{
    RouteEvaluationResult result;
    const int32_t count = RouteEntryCount();
    if (count < 2 || NextStopWaypoint < 0)
        return result;
    result.evaluated = true;

    Evaluation e;
    // The route may have changed since the last evaluation: keep the indexes inside it.
    e.current = std::clamp(CurrentWaypoint, 1, count - 1);
    e.nextStop = NextStopWaypoint < e.current || NextStopWaypoint >= count
                     ? NextActiveWaypointFrom(e.current)
                     : NextStopWaypoint;
    e.turning = Turning && e.current >= 2 ? 1 : 0;
    e.laneExceeded = LaneExceeded;
    e.routeEnded = RouteEnded;
    e.startGrace = StartGrace;
    e.alarmHold = AlarmHold;
    e.newWaypoint = NewWaypoint;

    const double radius = std::max<int16_t>(input.arrivalRadius, 0) * 0.01;
    GeoPoint lookAhead = input.ownPosition;
    Rhumb toTarget;
    bool ended = false;  // the evaluation stops at a switch
    for (;;) {
        const int32_t c = e.current;
        const WP_typ& entry = RouteTable[size_t(c)];
        const double incoming = RouteTable[size_t(c) - 1].legBearing;
        const bool last = c == count - 1;
        bool nearNextLeg = false;
        bool pastWheelOver = false;
        double abeamBearing = 0.0;
        if (e.turning) {
            cmgbase::DirPosComputation(input.ownPosition, &lookAhead,
                                       cmgbase::deg2rad(input.displayCourse), radius, 0);
            if (input.wheelOver) {
                // A gentle curve: the turn lasts until the next turn's wheel-over point is abeam.
                toTarget = RhumbTo(lookAhead, ApproachEnd(entry));
                abeamBearing = RhumbTo(lookAhead, input.wheelOverPoint).bearing;
            } else {
                toTarget = RhumbTo(lookAhead, TurnEnd(RouteTable[size_t(c) - 1]));
                abeamBearing = toTarget.bearing;
            }
            e.distanceToGo = float(toTarget.distance);
        } else {
            lookAhead = input.ownPosition;
            toTarget = RhumbTo(input.ownPosition, ApproachEnd(entry));
            // At the last waypoint there is no next leg: only the distance and abeam count.
            if (!last && input.arrivalRadius >= 0) {
                const double outgoing = entry.legBearing;
                nearNextLeg = std::fabs(SinDegrees(outgoing - toTarget.bearing) * toTarget.distance) <=
                              std::fabs(SinDegrees(outgoing - incoming) * radius);
                const double half = std::fmod(outgoing, 180.0);
                pastWheelOver =
                    InClockwiseHalf(toTarget.bearing, half) != InClockwiseHalf(incoming, half);
            }
            abeamBearing = RhumbTo(input.ownPosition, entry.position).bearing;
            e.distanceToGo = float(toTarget.distance - radius);
        }
        // Abeam or behind: the bearing lies strictly in the half circle behind the beam.
        const bool pastAbeam = InClockwiseHalf(abeamBearing, Reduced(incoming + 90.0));
        e.nearNextLeg = nearNextLeg ? 1 : 0;
        e.pastAbeam = pastAbeam ? 1 : 0;

        const bool arrival = nearNextLeg || pastWheelOver || pastAbeam;
        if (!arrival ||
            !(e.distanceToGo < RouteTable[size_t(c) - 1].legDistance || e.startGrace > 0))
            break;
        if (e.turning) {
            e.turning = 0;  // the turn is over: the next waypoint is judged now
            continue;
        }
        result.waypointAlarm = RouteEditMode == RouteShown && input.waypointAlarmOn &&
                               e.alarmHold == 0 && !input.alarmActive && !e.routeEnded;
        if (last) {
            e.routeEnded = 1;
            break;
        }
        e.current = c + 1;
        if (e.nextStop < e.current)
            e.nextStop = NextActiveWaypointFrom(e.current);
        e.newWaypoint = 1;
        e.turning = 1;
        result.switched = true;
        ended = true;
        break;
    }

    if (!ended) {
        if (e.alarmHold > 0)
            --e.alarmHold;
        const int32_t c = e.current;
        const double incoming = RouteTable[size_t(c) - 1].legBearing;
        const uint16_t laneSetting = RouteTable[size_t(c)].lane;
        const double lane = (laneSetting ? laneSetting : std::max<int16_t>(SetupParameters.DefaultLane, 0));
        e.bearingToSteer = float(toTarget.bearing);
        const WP_typ& turned = RouteTable[size_t(c) - 1];
        if (e.turning && !(turned.turnComputed && !turned.turnMisfit)) {
            // No arc to follow (turns not computed, a stop, a turn that does not fit): the
            // corner is sharp, so the new leg is steered and measured from the start.
            const Rhumb onLeg = RhumbTo(input.ownPosition, ApproachEnd(RouteTable[size_t(c)]));
            e.bearingToSteer = float(onLeg.bearing);
            e.crossTrackError = SinDegrees(onLeg.bearing - incoming) * onLeg.distance;
        } else if (!e.turning) {
            e.crossTrackError = SinDegrees(toTarget.bearing - incoming) * toTarget.distance;
            e.laneExceeded = 0;
        } else {
            const GeoPoint centre = turned.turnCentre;
            double arcRadius = 0.0;
            double toCentre = 0.0;
            cmgbase::InvPosComputation(centre, turned.turnStart, &arcRadius, nullptr, 0);
            cmgbase::InvPosComputation(centre, lookAhead, &toCentre, nullptr, 0);
            const double turn = Reduced(RouteTable[size_t(c) - 2].legBearing - incoming);
            const bool starboard = turn > 180.0;
            e.crossTrackError = starboard ? toCentre - arcRadius : arcRadius - toCentre;
            if (std::fabs(e.crossTrackError) < lane * 0.01 && !e.laneExceeded) {
                const double bearingToCentre = RhumbTo(lookAhead, centre).bearing;
                e.bearingToSteer = float(Reduced(bearingToCentre + (turn >= 180.0 ? -90.0 : 90.0)));
            } else {
                e.laneExceeded = 1;
            }
        }
        result.crossTrackAlarm =
            input.crossTrackAlarmOn && lane > 0 && std::fabs(e.crossTrackError) * 100.0 > lane;
        if (e.startGrace > 0)
            --e.startGrace;
    }

    const std::lock_guard lock(ComOutStateLock);
    CurrentWaypoint = e.current;
    NextStopWaypoint = e.nextStop;
    Turning = e.turning;
    LaneExceeded = e.laneExceeded;
    RouteEnded = e.routeEnded;
    NearNextLeg = e.nearNextLeg;
    PastAbeam = e.pastAbeam;
    NewWaypoint = e.newWaypoint;
    StartGrace = e.startGrace;
    AlarmHold = e.alarmHold;
    DistanceToGo = e.distanceToGo;
    if (!ended) {
        BearingToSteer = e.bearingToSteer;
        CrossTrackError = e.crossTrackError;
    }
    return result;
}
