#pragma once
// Texts typed into the route grid, checked before anything is stored: each parser gives nothing
// for a text it refuses, and the edit is then undone. Texts are Windows-1252, one byte a
// character, laid out as the grid's edit masks lay them out.

#include <cstdint>
#include <optional>
#include <string_view>

// " 54\xB0 30.500' N": degrees in characters 2-3, minutes 6-7, thousandths of a minute 9-11, N
// or S in character 14 (counted from 1). Refused beyond 90 degrees, at 60 minutes or more, or
// with anything but digits and blanks in the number fields. Gives normalised coordinates of a
// whole number of stored units (1/600000 degree).
std::optional<int32_t> ParseLatitudeText(std::string_view text);
// "010\xB0 05.250' E": the same with degrees in characters 1-3, up to 180, and E or W.
std::optional<int32_t> ParseLongitudeText(std::string_view text);

// The same texts, checked the same way, as whole stored units (1/600000 degree) exactly as typed:
// degrees x 600000 + minutes x 10000 + thousandths x 10, negative south or west.
std::optional<int32_t> LatitudeUnitsText(std::string_view text);
std::optional<int32_t> LongitudeUnitsText(std::string_view text);

// A number at the start of the text ("12.5 kt", "0.25 Nm") times `scale`, truncated: the
// speed (scale 10) and the lane and turn radius (scale 100) of a waypoint. A blank text is 0
// (the route default); refused when it does not start with a number or the result lies
// outside 0..65535.
std::optional<uint16_t> ParseScaledText(std::string_view text, int32_t scale);

// Whole stop minutes at the start of the text ("30 m."), 0..32767; blank is 0.
std::optional<int16_t> ParseStopText(std::string_view text);

// A typed ETA "05.  14:30": day of month in characters 1-2, hours 6-7, minutes 9-10; day 0
// stands for no ETA reference. Refused with a day above 31, an hour from 24 or a minute from 60
// (whether the day exists in the month is for the calendar to say).
struct EtaFields {
    int32_t day = 0;
    int32_t hour = 0;
    int32_t minute = 0;
};
std::optional<EtaFields> ParseEtaText(std::string_view text);
