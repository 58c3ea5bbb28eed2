#include "app/RouteFollowingTick.h"

#include "app/RouteEtaPanel.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "sensors/ComPortControl.h"
#include "sensors/OwnShipState.h"
#include "userdata/RouteEvaluation.h"
#include "userdata/RouteFollowing.h"
#include "userdata/WheelOverPoint.h"

#include <mutex>

namespace {

void RaiseWaypointAlarm()
{
    Alarm.newWaypoint = true;
    Alarm.acknowledged = false;
    OwnShip.alarmActive = true;
    SetAlarmRelay(true);
}

// Raised already acknowledged: shown in the notice, not sounded.
void RaiseCrossTrackAlarm()
{
    if (Alarm.routeDeviation)
        return;
    Alarm.routeDeviationSetActive = !OwnShip.alarmActive;
    Alarm.routeDeviationSetAcknowledged = !Alarm.acknowledged;
    Alarm.routeDeviation = true;
    OwnShip.alarmActive = true;
    Alarm.acknowledged = true;
}

void ClearCrossTrackAlarm()
{
    if (!Alarm.routeDeviation)
        return;
    Alarm.routeDeviation = false;
    if (Alarm.routeDeviationSetActive && !Alarm.newWaypoint)
        OwnShip.alarmActive = false;
    if (Alarm.routeDeviationSetAcknowledged)
        Alarm.acknowledged = false;
    Alarm.routeDeviationSetActive = Alarm.routeDeviationSetAcknowledged = false;
}

}  // namespace

void UpdateRouteEtaPanel(TForm1& f)
{
    if (!StartupDone || RouteStartRequest || f.OverlayRedrawRequest > 0)
        return;
    RouteEvaluationInput input;
    input.ownPosition = OwnShip.referencePosition;
    input.displayCourse = OwnShip.displayCourse;
    input.arrivalRadius = SetupParameters.WaypointRadius;
    input.waypointAlarmOn = SetupParameters.AlarmWp != 0;
    input.crossTrackAlarmOn = SetupParameters.AlarmXte != 0;
    input.alarmActive = OwnShip.alarmActive && !Alarm.routeDeviation;
    {
        const std::lock_guard lock(ComOutStateLock);
        input.wheelOver = WheelOverFlag != 0;
        input.wheelOverPoint = WheelOverPoint;
    }
    const RouteEvaluationResult result = EvaluateRouteFollowing(input);
    if (!result.evaluated)
        return;
    if (result.waypointAlarm)
        RaiseWaypointAlarm();
    if (result.switched) {
        f.OverlayRedrawRequest = 1;
        return;
    }
    ShowRouteEtaPanel(f);
    if (result.crossTrackAlarm)
        RaiseCrossTrackAlarm();
    else
        ClearCrossTrackAlarm();
}
