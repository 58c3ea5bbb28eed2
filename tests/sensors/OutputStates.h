#pragma once
// States of the output side that the output tests and the output benchmark start from. Header
// only: the benchmark takes it without the test framework.

#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/OutputSentences.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorSettings.h"
#include "userdata/RouteTable.h"

#include <mutex>

// The own ship after a fix at 12:34:56 on 23 May 2025 in 54°22.275' N 10°10.404' E, making
// 12 kn over ground on 24.9°, heading 25°; COM1 transmits, RMC is on, no variation.
inline void FixState()
{
    OwnShipState& s = OwnShip;
    s.gpsHour = 12;
    s.gpsMinute = 34;
    s.gpsWholeSeconds = 56;
    s.gpsSeconds = 56.5f;
    s.latitudeDegrees = 54;
    s.latitudeMinutes = 22.2750f;
    s.latitudeHemisphere = 'N';
    s.longitudeDegrees = 10;
    s.longitudeMinutes = 10.4040f;
    s.longitudeHemisphere = 'E';
    s.speedOverGround = 12.0f;
    s.courseOverGround = 24.9f;
    s.displayCourse = 25.0f;
    s.gpsQuality = 1;
    s.gpsDay = 23;
    s.gpsMonth = 5;
    s.gpsYear = 25;
    s.transmitFlags[0] = 1;
    SensorSetup.magneticVariation = 0;
    SensorSetup.autoGyro = false;
    SetupParameters.OutputSentences = OutputRmc;
}

// A route of `count` waypoints, waypoint k at 54 + k / 10 degrees north, 10 + k / 10 east, the
// leg from it with bearing 10 + k degrees; RouteId 7. Takes the lock as the route's writers do.
inline void FillRoute(int count)
{
    for (int k = 0; k < count; ++k) {
        WP_typ entry;
        entry.position = cmgbase::GeoPoint{cmgbase::deg2nrm(10.0 + k / 10.0), cmgbase::deg2nrm(54.0 + k / 10.0)};
        entry.legBearing = 10.0f + float(k);
        AppendRouteEntry(entry);
    }
    const std::lock_guard lock(ComOutStateLock);
    RouteId = 7;
    RouteEditMode = RouteShown;
}
