#pragma once
// The time at a tide port: the engine samples a port's day from 00:00 of its standard time, so
// the sample of an instant is found from the port's own date, hour and minute, taken together
// from the UTC instant. The local zone only decides which date is "today" for the tide window.

#include <QDate>
#include <QTimeZone>

#include <cstdint>

struct PortTime {
    QDate date;
    int32_t hour = 0;
    int32_t minute = 0;
};

// The standard time of a port hoursWest hours west of UTC (New York 5) at utcSeconds.
PortTime PortStandardTime(int64_t utcSeconds, int32_t hoursWest);

// The half-hour sample of the time: the hourly readout takes the sample at or before it, the
// tide window the one at or after it (so 23:31 reads sample 48, 24:00 of the same day).
int32_t SampleAtOrBefore(const PortTime& time);
int32_t SampleAtOrAfter(const PortTime& time);

// The zone the tide window takes today's date in: the system's unless a test sets another.
extern QTimeZone TideLocalZone;
