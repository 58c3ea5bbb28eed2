#pragma once
// The daily position log: while the log is on, one line at each interval boundary of the local
// clock (one second past it) on which the vessel has moved more than 0.5 NM since the last
// line, in "yymmdd.txt" of the log folder. Main thread only.

#include "frame/ClockRecord.h"

#include <cstdint>
#include <string>

// Seconds between two lines, from the interval list (item 0, 20 minutes, at first).
extern int32_t LogIntervalSeconds;

// The seconds of item `item` of the interval list, 0 for an item outside it.
int32_t LogIntervalOf(int32_t item);

// When the next line is due after `clock` (seconds since 1970): the next boundary of the local
// clock that is a whole interval from midnight, plus one second. A daylight-saving change is
// crossed by the local clock's boundaries.
int64_t NextLogTime(const ClockRecord& clock, int32_t intervalSeconds);

// SecondTick.nextLogTime from the clock and LogIntervalSeconds; nothing before the first tick.
void ScheduleNextLogTime();

// The line for the own ship now (CR LF ended), and its file's name, both from ClockTime.
std::string PositionLogLine();
std::string PositionLogName();

// Appends the line to the day's log. False when it could not be written; the first failure of
// the run is reported once.
bool WritePositionLog();

// The one-second tick's step: when the log is on and due, a line when the vessel moved, then
// the next due time.
void LogPositionWhenDue();
