#include "app/TickState.h"

#include "sensors/ComPortControl.h"
#include "sensors/OwnShipState.h"

OneSecondTickState SecondTick;
MainWindowCountdowns Countdowns;
HundredMillisecondTickState FastTick;
AlarmFlags Alarm;
TickRequests TickRequest;

void ResetTickState()
{
    SecondTick = {};
    Countdowns = {};
    FastTick = {};
    Alarm = {};
    TickRequest = {};
}

void DropDepthAlarm()
{
    if (!Alarm.depthAlarmRaised)
        return;
    Alarm.depthAlarmRaised = false;
    FastTick.noticeAlarmLook = false;
    // Another raised alarm stays; the waypoint arrival and the alarms of a kind keep the relay
    // closed, the cross-track alarm is shown without it.
    const bool relayHeld = Alarm.newWaypoint || OwnShip.alarmKind != AlarmNone;
    if (!relayHeld && !Alarm.routeDeviation)
        OwnShip.alarmActive = false;
    if (!relayHeld)
        SetAlarmRelay(false);
}
