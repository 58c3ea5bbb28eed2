#pragma once
// The current local date and time as the one-second tick stores it. Like struct tm but NOT
// interchangeable with it: the year holds years since 1900 less 100 once above 99 (2005 is 5),
// so it must never be handed to mktime or strftime.

#include <cstdint>

struct ClockRecord {
    int32_t second;
    int32_t minute;
    int32_t hour;
    int32_t dayOfMonth;  // 1..31
    int32_t month;       // 0..11
    int32_t year;        // see above
    int32_t weekday;
    int32_t dayOfYear;
    int32_t summerTime;
};
static_assert(sizeof(ClockRecord) == 36);
