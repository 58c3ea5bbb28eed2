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
    OwnShip.alarmActive = false;
    FastTick.noticeAlarmLook = false;
    SetAlarmRelay(false);
}
