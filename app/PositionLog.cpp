#include "app/PositionLog.h"

#include "app/LogText.h"
#include "app/TickState.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/PositionComputation.h"
#include "platform/system/DurableAppend.h"
#include "platform/system/MessageBox.h"
#include "sensors/OwnShipState.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <ctime>

int32_t LogIntervalSeconds = 1200;

namespace {

constexpr std::array<int32_t, 7> IntervalSeconds{1200, 3600, 14400, 60, 120, 300, 600};

bool FailureReported = false;

std::tm LocalTime(const ClockRecord& clock)
{
    std::tm local{};
    local.tm_year = clock.year + 100;
    local.tm_mon = clock.month;
    local.tm_mday = clock.dayOfMonth;
    local.tm_hour = clock.hour;
    local.tm_min = clock.minute;
    local.tm_sec = clock.second;
    local.tm_isdst = clock.summerTime > 0 ? 1 : 0;
    return local;
}

// Whether a moment lies one second past a boundary of the interval on the local clock.
bool OnBoundary(int64_t moment, int32_t intervalSeconds)
{
    const std::time_t seconds = std::time_t(moment);
    std::tm local{};
    localtime_r(&seconds, &local);
    const int32_t sinceMidnight = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    return sinceMidnight % intervalSeconds == 1;
}

// Whole degrees and minutes in thousandths, rounded once, so 59.9996' carries into the degrees.
struct DegreesMinutes {
    int32_t degrees;
    int32_t thousandths;
};

DegreesMinutes Split(int32_t degrees, double minutes)
{
    int64_t thousandths = std::llround(std::fabs(minutes) * 1000.0);
    int32_t whole = std::abs(degrees);
    if (thousandths >= 60000) {
        whole += int32_t(thousandths / 60000);
        thousandths %= 60000;
    }
    return {whole, int32_t(thousandths)};
}

DegreesMinutes SplitDegrees(double value)
{
    const double whole = std::trunc(std::fabs(value));
    return Split(int32_t(whole), (std::fabs(value) - whole) * 60.0);
}

void ReportFailure(const std::string& file, int reason)
{
    if (FailureReported)
        return;
    FailureReported = true;
    platform::MessageBoxRequest request;
    request.text = "The position log " + file + " cannot be written: " + std::strerror(reason) + ".";
    request.caption = "Varnik V3";
    request.icon = platform::MsgIcon::Exclamation;
    platform::ShowMessageBox(request);
}

}  // namespace

int32_t LogIntervalOf(int32_t item)
{
    return item >= 0 && item < int32_t(IntervalSeconds.size()) ? IntervalSeconds[size_t(item)] : 0;
}

int64_t NextLogTime(const ClockRecord& clock, int32_t intervalSeconds)
{
    const int32_t interval = std::max(intervalSeconds, 60);
    std::tm base = LocalTime(clock);
    base.tm_sec = 1;
    if (interval < 3600) {
        const int32_t minutes = interval / 60;
        base.tm_min = clock.minute / minutes * minutes;
    } else {
        base.tm_min = 0;
        const int32_t hours = interval / 3600;
        base.tm_hour = clock.hour / hours * hours;
    }
    // Elapsed time from the boundary keeps to the local boundaries through a change of the
    // clock by an hour for intervals of an hour and less; a 4-hour step that a change moved off
    // the local boundary is taken on the local clock instead.
    std::tm start = base;
    const int64_t elapsed = int64_t(std::mktime(&start)) + interval;
    if (OnBoundary(elapsed, interval))
        return elapsed;
    std::tm next = base;
    next.tm_isdst = -1;
    next.tm_hour += interval / 3600;  // fields in range: mktime then reads them as the local clock
    const int64_t local = std::mktime(&next);
    return local > int64_t(std::mktime(&base)) ? local : elapsed;
}

void ScheduleNextLogTime()
{
    if (ClockSeconds == 0 || !ClockTime)
        return;
    SecondTick.nextLogTime = NextLogTime(*ClockTime, LogIntervalSeconds);
}

std::string PositionLogName()
{
    const ClockRecord& c = *ClockTime;
    return Printed("%02d%02d%02d.txt", c.year % 100, c.month + 1, c.dayOfMonth);
}

std::string PositionLogLine()
{
    const ClockRecord& c = *ClockTime;
    DegreesMinutes latitude{};
    DegreesMinutes longitude{};
    char latitudeLetter = ' ';
    char longitudeLetter = ' ';
    if (OwnShip.positionKnown) {
        latitude = SplitDegrees(OwnShip.gpsLatitude);
        longitude = SplitDegrees(OwnShip.gpsLongitude);
        latitudeLetter = OwnShip.gpsLatitude > 0.0 ? 'N' : 'S';
        longitudeLetter = OwnShip.gpsLongitude > 0.0 ? 'E' : 'W';
    } else {
        latitude = Split(OwnShip.latitudeDegrees, OwnShip.latitudeMinutes);
        longitude = Split(OwnShip.longitudeDegrees, OwnShip.longitudeMinutes);
        latitudeLetter = OwnShip.latitudeHemisphere;
        longitudeLetter = OwnShip.longitudeHemisphere;
    }
    return Printed("%02d%02d%02d %02d%02d  %02d\xB0%02d.%03d'%c %03d\xB0%02d.%03d'%c  %4.1f kt  %05.1f\xB0\r\n",
                   c.year % 100, c.month + 1, c.dayOfMonth, c.hour, c.minute, latitude.degrees,
                   latitude.thousandths / 1000, latitude.thousandths % 1000, latitudeLetter, longitude.degrees,
                   longitude.thousandths / 1000, longitude.thousandths % 1000, longitudeLetter,
                   double(OwnShip.speedOverGround), double(OwnShip.displayCourse));
}

bool WritePositionLog()
{
    const std::string name = PositionLogName();
    if (platform::AppendDurably(LogFolderFile(name), PositionLogLine(), {}))
        return true;
    ReportFailure(LogFolderFile(name).string(), errno);
    return false;
}

void LogPositionWhenDue()
{
    if (!SetupParameters.PositionLogOn || ClockSeconds < SecondTick.nextLogTime || !StartupDone)
        return;
    double distance = 0.0;
    const cmgbase::GeoPoint reference = OwnShip.referencePosition;
    if (cmgbase::InvPosComputation(SecondTick.lastLoggedPosition, reference, &distance, nullptr, 0) ==
            cmgbase::kGeoOk &&
        distance > 0.5 && OwnShip.speedOverGround >= 0.0f && reference.y != 0 && WritePositionLog())
        SecondTick.lastLoggedPosition = reference;
    ScheduleNextLogTime();
}
