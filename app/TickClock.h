#pragma once
// Where the ticks take the time from: the PC clock (with its GPS correction) in the program, a
// clock of their own in tests, so that a test steps the ticks through minutes, hours and dates
// without waiting.

#include "platform/system/SystemClock.h"

#include <functional>

using TickClockSource = std::function<platform::ClockTime()>;

// The time the ticks use now.
platform::ClockTime TickNow();

// Makes the ticks read `source`; an empty source goes back to platform::ClockNow.
void SetTickClock(TickClockSource source);

// ClockSeconds := the tick time in seconds since 1970, ClockTime := its local broken-down time
// with the year of the century. Allocates ClockTime when the start-up has not.
void UpdateClockRecord();
