#pragma once
// Route tables for the tests: a clean route state before and after each test, and waypoints
// made from degrees.

#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteTable.h"

#include <gtest/gtest.h>

inline void ResetRouteState()
{
    ClearRouteTable();
    RouteId = 0;
    RouteName[0] = SecondRouteName[0] = '\0';
    RouteEditMode = 0;
    CurrentWaypoint = 0;
    NextStopWaypoint = -1;
    OwnPositionInserted = 0;
    RouteForward = 1;
    TurnMisfitSeen = 0;
    DistanceToGo = 0;
    CrossTrackError = 0;
    BearingToSteer = 0;
    NearNextLeg = PastAbeam = Turning = LaneExceeded = RouteEnded = 0;
    StartGrace = AlarmHold = 0;
    NewWaypoint = RouteStartRequest = RouteStopRequest = 0;
    RouteHook = {};
    RouteLoadRequest = 0;
    SecondRoute = 0;
    GreatCircleRouteLoaded = 0;
    RouteSafetyDepthDiffers = 0;
    RouteLegGeometryPending = false;
    PickedWaypoint = -1;
    SelectedWaypoint = -1;
    ClockSeconds = 0;
    SetupParameters.DefaultRouteSpeed = 100;  // 10 kn
    SetupParameters.DefaultLane = 10;         // 0.1 nm
    SetupParameters.DefaultTurnRadius = 50;   // 0.5 nm
    SetupParameters.EtaZoneHours = 0;
    SetupParameters.CalcFrom = 1;
    SetupParameters.CalcTo = 2;
    SetupParameters.RouteChangesTemporary = 0;
    SetupParameters.SafetyContour = 10;
}

inline cmgbase::GeoPoint At(double latitude, double longitude)
{
    return {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
}

inline WP_typ Waypoint(const cmgbase::GeoPoint& position)
{
    WP_typ entry;
    entry.position = position;
    return entry;
}

// The point `distance` nm from `from` on `bearing` degrees along the geodesic.
inline cmgbase::GeoPoint Ahead(const cmgbase::GeoPoint& from, double bearing, double distance)
{
    cmgbase::GeoPoint to;
    cmgbase::DirPosComputation(from, &to, cmgbase::deg2rad(bearing), distance, 0);
    return to;
}

// Geodesic distance in nm.
inline double Between(const cmgbase::GeoPoint& a, const cmgbase::GeoPoint& b)
{
    double distance = 0;
    cmgbase::InvPosComputation(a, b, &distance, nullptr, 0);
    return distance;
}

class RouteTest : public testing::Test {
protected:
    void SetUp() override { ResetRouteState(); }
    void TearDown() override { ResetRouteState(); }
};
