#include "app/TickState.h"

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
