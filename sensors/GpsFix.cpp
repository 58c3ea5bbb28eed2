#include "sensors/GpsFix.h"

#include "platform/system/SystemClock.h"
#include "sensors/OwnShipState.h"

#include <cmath>
#include <cstdlib>
#include <ctime>

namespace {

struct PendingDate {
    bool waiting = false;
    int32_t hour = 0;
    int32_t day = 0;
    int32_t month = 0;
    int32_t year = 0;
};

PendingDate zdaDate;

constexpr int ClockToleranceSeconds = 6;


// The four-digit year of a GPS date; RMC sends two digits.
int32_t FullYear(int32_t year)
{
    return year < 70 ? year + 2000 : year;
}

// Keeps the PC clock in step with the GPS: at a whole hour of the day, and whenever the GPS date
// differs from the clock's date.
void CheckClock(const PositionFields& f)
{
    PendingDate date;
    if (f.hasDate)
        date = {true, f.hour, f.day, f.month, f.year};
    else if (zdaDate.waiting && zdaDate.hour == f.hour)
        date = zdaDate;
    zdaDate.waiting = false;
    const int32_t year = FullYear(date.year);
    const bool dated = date.waiting && year >= 2001 && year <= 9999 && date.month >= 1 &&
                       date.month <= 12 && date.day >= 1 && date.day <= 31;

    if (!ValidTime(f))
        return;
    const int32_t wholeSeconds = int32_t(f.seconds);
    if (f.hour >= 2 && f.hour <= 22 && f.minute == 0 && wholeSeconds == 0)
        OwnShip.satellites = 255;
    const bool hourMark = OwnShip.satellites == 255;
    if (!hourMark && !dated)
        return;

    const std::time_t now = std::chrono::system_clock::to_time_t(platform::ClockNow());
    std::tm clock{};
    gmtime_r(&now, &clock);
    bool change = false;
    const bool firstDate = dated && !OwnShip.dateApplied;
    if (dated && (clock.tm_year != year - 1900 || clock.tm_mon != date.month - 1 ||
                  clock.tm_mday != date.day)) {
        clock.tm_year = year - 1900;
        clock.tm_mon = date.month - 1;
        clock.tm_mday = date.day;
        change = true;
    }
    if (dated)
        OwnShip.dateApplied = true;
    float fraction = 0.0f;
    if ((hourMark || firstDate || change) &&
        (clock.tm_hour != f.hour || clock.tm_min != f.minute ||
         std::abs(clock.tm_sec - wholeSeconds) >= ClockToleranceSeconds)) {
        clock.tm_hour = f.hour;
        clock.tm_min = f.minute;
        clock.tm_sec = wholeSeconds;
        fraction = f.seconds - float(wholeSeconds);
        change = true;
    }
    if (!change)
        return;
    const std::time_t set = timegm(&clock);
    if (set == std::time_t(-1))
        return;
    platform::SetClock(std::chrono::system_clock::from_time_t(set) +
                       std::chrono::milliseconds(int64_t(fraction * 1000.0f)));
}

}  // namespace

bool ValidTime(const PositionFields& f)
{
    return f.hour >= 0 && f.hour <= 23 && f.minute >= 0 && f.minute <= 59 && f.seconds >= 0.0f &&
           f.seconds < 61.0f;
}

bool HasLongitude(const PositionFields& fields)
{
    return fields.longitudeHemisphere == 'E' || fields.longitudeHemisphere == 'W';
}

bool PositionDegrees(const PositionFields& f, double latitudeLimit, double& longitude,
                     double& latitude)
{
    if (f.longitudeDegrees < 0 || f.latitudeDegrees < 0)
        return false;
    if (!(f.longitudeMinutes >= 0.0f && f.longitudeMinutes < 60.0f) ||
        !(f.latitudeMinutes >= 0.0f && f.latitudeMinutes < 60.0f))
        return false;
    const double lon = f.longitudeDegrees + f.longitudeMinutes / 60.0;
    const double lat = f.latitudeDegrees + f.latitudeMinutes / 60.0;
    if (lon > 180.0 || lat > latitudeLimit)
        return false;
    longitude = f.longitudeHemisphere == 'W' ? -lon : lon;
    latitude = f.latitudeHemisphere == 'S' ? -lat : lat;
    return true;
}

void NoteGpsDate(int32_t hour, int32_t day, int32_t month, int32_t year)
{
    zdaDate = {true, hour, day, month, year};
}

void ResetGpsDate()
{
    zdaDate = {};
    OwnShip.dateApplied = false;
}

void ClearClockCheckMark()
{
    if (OwnShip.satellites == 255)
        OwnShip.satellites = 0;
}

namespace {

// The fix chain: the first fix after start or a reset is only remembered; later ones take the
// position, its text parts and the GPS time into the own-ship state. 1 when committed.
int32_t CommitFix(const PositionFields& f, double longitude, double latitude)
{
    int32_t result = 0;
    if (OwnShip.lastFixLatitude != 0.0) {
        OwnShip.gpsLongitude = longitude;
        OwnShip.gpsLatitude = latitude;
        OwnShip.displayCourse =
            OwnShip.headingValidity > 0 ? OwnShip.heading : OwnShip.courseOverGround;
        OwnShip.latitudeDegrees = f.latitudeDegrees;
        OwnShip.latitudeMinutes = f.latitudeMinutes;
        OwnShip.latitudeHemisphere = f.latitudeHemisphere;
        OwnShip.longitudeDegrees = f.longitudeDegrees;
        OwnShip.longitudeMinutes = f.longitudeMinutes;
        OwnShip.longitudeHemisphere = f.longitudeHemisphere;
        OwnShip.gpsHour = f.hour;
        OwnShip.gpsMinute = f.minute;
        OwnShip.gpsSeconds = f.seconds;
        OwnShip.gpsWholeSeconds = int32_t(f.seconds);
        if (f.hasDate) {
            OwnShip.gpsDay = f.day;
            OwnShip.gpsMonth = f.month;
            OwnShip.gpsYear = f.year;
        }
        OwnShip.positionKnown = true;
        result = 1;
    }
    OwnShip.fixUnchanged =
        longitude == OwnShip.lastFixLongitude && latitude == OwnShip.lastFixLatitude;
    OwnShip.lastFixLongitude = longitude;
    OwnShip.lastFixLatitude = latitude;
    return result;
}

}  // namespace

int32_t ApplyGpsFix(int port, const PositionFields& f)
{
    if (OwnShip.positionTimeoutCounter < 0)
        return 0;  // a source switch is pending
    if (OwnShip.gpsPort >= 0 && OwnShip.gpsPort != port)
        return 0;
    if (!ValidTime(f))
        return 0;
    CheckClock(f);

    double longitude = 0.0;
    double latitude = 0.0;
    if (!PositionDegrees(f, 85.0, longitude, latitude))
        return 0;
    if (longitude == 0.0 && latitude == 0.0)
        return 0;

    return CommitFix(f, longitude, latitude);
}

int32_t ApplyTransponderFix(double longitude, double latitude)
{
    if (OwnShip.positionTimeoutCounter < 0 || OwnShip.gpsPort >= 0)
        return 0;
    if (!(std::abs(latitude) <= 85.0 && std::abs(longitude) <= 180.0))
        return 0;
    if (longitude == 0.0 && latitude == 0.0)
        return 0;
    PositionFields f;
    f.hour = OwnShip.gpsHour;
    f.minute = OwnShip.gpsMinute;
    f.seconds = OwnShip.gpsSeconds;
    const double latitudeAbs = std::abs(latitude);
    const double longitudeAbs = std::abs(longitude);
    f.latitudeDegrees = int32_t(latitudeAbs);
    f.latitudeMinutes = float((latitudeAbs - f.latitudeDegrees) * 60.0);
    f.latitudeHemisphere = latitude < 0.0 ? 'S' : 'N';
    f.longitudeDegrees = int32_t(longitudeAbs);
    f.longitudeMinutes = float((longitudeAbs - f.longitudeDegrees) * 60.0);
    f.longitudeHemisphere = longitude < 0.0 ? 'W' : 'E';
    return CommitFix(f, longitude, latitude);
}
