#pragma once
// Date values (64-bit floats counting days since 30 December 1899, the time of day as the
// fraction) turned into the seconds since 1970 that stored records carry.

#include <cstdint>

// Seconds since 1 January 1970 of 00:00:01 local standard time (no daylight saving) on the day
// of `date`; the time of day is ignored. A date below 0, above 100000 or not a number is set
// to 0 first, in the caller's variable too. Returns -1 for a day the calendar cannot convert
// or whose seconds do not fit in 32 bits (before 1902 or after 2038).
int32_t DateToUnixTime(double& date);
