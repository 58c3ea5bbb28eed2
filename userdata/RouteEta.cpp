#include "userdata/RouteEta.h"

#include "userdata/RouteFollowing.h"
#include "userdata/RouteLegs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>

namespace {

constexpr int64_t SecondsPerHour = 3600;

std::optional<std::tm> ZoneCalendar(int64_t seconds, int32_t zoneHours)
{
    const std::time_t zoneTime = seconds - int64_t{zoneHours} * SecondsPerHour;
    std::tm calendar{};
    if (!gmtime_r(&zoneTime, &calendar))
        return std::nullopt;
    return calendar;
}

int64_t Seconds(double hours)
{
    return std::llround(hours * SecondsPerHour);
}

}  // namespace

std::string FormatEtaText(int64_t seconds, int32_t zoneHours)
{
    const auto calendar = ZoneCalendar(seconds, zoneHours);
    if (!calendar)
        return "---";
    char text[32];
    std::snprintf(text, sizeof text, "%02d.  %02d:%02d", calendar->tm_mday, calendar->tm_hour,
                  calendar->tm_min);
    return text;
}

std::optional<int64_t> EtaMoment(const EtaFields& typed, int64_t now, int32_t zoneHours)
{
    auto calendar = ZoneCalendar(now, zoneHours);
    if (!calendar)
        return std::nullopt;
    const int month = calendar->tm_mon;
    calendar->tm_mday = typed.day;
    calendar->tm_hour = typed.hour;
    calendar->tm_min = typed.minute;
    calendar->tm_sec = 0;
    const std::time_t zoneTime = timegm(&*calendar);
    if (zoneTime == -1 || calendar->tm_mon != month)  // the day ran into the next month
        return std::nullopt;
    return int64_t{zoneTime} + int64_t{zoneHours} * SecondsPerHour;
}

double DistanceToCurrentWaypoint()
{
    const bool turning = Turning && CurrentWaypoint >= 1 && CurrentWaypoint < RouteEntryCount();
    // Inside the arrival radius DistanceToGo goes below 0; no distance or time is negative.
    return std::max(DistanceToGo + (turning ? RouteTable[size_t(CurrentWaypoint) - 1].legDistance : 0.0), 0.0);
}

std::vector<std::optional<int64_t>> RouteEtas(int32_t referenceRow, int64_t referenceTime,
                                              int64_t now)
{
    const int32_t count = RouteEntryCount();
    std::vector<std::optional<int64_t>> etas(static_cast<size_t>(count));
    if (RouteEditMode == RouteDrawing)
        return etas;

    const bool referenced = referenceRow >= 0 && referenceRow < count;
    const int32_t start = referenced ? referenceRow : CurrentWaypoint;
    if (start < 0 || start >= count)
        return etas;
    const int64_t base = referenced ? referenceTime : now;
    // On the way to the current waypoint the leg before it is being sailed.
    double hours =
        referenced ? 0.0 : DistanceToCurrentWaypoint() / LegSpeed(RouteTable[size_t(std::max(start - 1, 0))]);
    // Between two waypoints: the stop at the first and the leg from it.
    for (int32_t i = start; i < count; ++i) {
        if (i > start)
            hours += SumRouteLegs(i - 1, i).hours;
        etas[size_t(i)] = base + Seconds(hours);
    }
    if (referenced) {
        hours = 0;
        for (int32_t k = start; k >= 0; --k) {
            etas[size_t(k)] = base - Seconds(hours);
            if (k > 0)
                hours += SumRouteLegs(k - 1, k).hours;
        }
    }
    return etas;
}
