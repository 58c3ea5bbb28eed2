#pragma once
// Date-time values (64-bit floats counting days since 30 December 1899, the time of day as the
// fraction) as whole time units, and split into their calendar date.

#include <cstdint>

namespace Igpfunctions {

// The value as whole milliseconds, seconds, minutes or hours, rounded to the nearest; the
// largest signed 32-bit value when that does not fit in 32 bits (either sign) or the value is
// not a number.
int32_t DateToMilliSeconds(double dateTime);
int32_t DateToSeconds(double dateTime);
int32_t DateToMinutes(double dateTime);
int32_t DateToHours(double dateTime);

// The calendar date of the value's day: the whole days counted from 30 December 1899, either
// way (-1.25 is 29 December 1899, 6 o'clock). False, and nothing written, for a value outside
// the years 1 to 9999 or not a number.
bool iDecodeDate(double dateTime, int& year, int& month, int& day);

}  // namespace Igpfunctions
