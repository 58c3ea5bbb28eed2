#include "sensors/OutputSentences.h"

#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/SystemClock.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorSettings.h"
#include "sensors/SentenceHandlers.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteTable.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int32_t WaypointsPerBlock = 10;

[[gnu::format(printf, 2, 3)]] void Appendf(std::string& out, const char* format, ...)
{
    char buffer[256];
    va_list arguments;
    va_start(arguments, format);
    const int length = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    if (length > 0)
        out.append(buffer, size_t(std::min(length, int(sizeof buffer) - 1)));
}

void AppendAngle(std::string& out, double degrees, int degreeDigits, char positive, char negative)
{
    const double magnitude = std::isfinite(degrees) ? std::min(std::fabs(degrees), 360.0) : 0.0;
    const long long thousandths = std::llround(magnitude * 60000.0);  // of a minute
    Appendf(out, "%0*lld%02lld.%03lld,%c", degreeDigits, thousandths / 60000, thousandths % 60000 / 1000,
            thousandths % 1000, degrees < 0.0 ? negative : positive);
}

// The own ship's last received position (the text parts of the committed fix), in degrees.
double ReceivedLatitude()
{
    const double value = OwnShip.latitudeDegrees + double(OwnShip.latitudeMinutes) / 60.0;
    return OwnShip.latitudeHemisphere == 'S' ? -value : value;
}

double ReceivedLongitude()
{
    const double value = OwnShip.longitudeDegrees + double(OwnShip.longitudeMinutes) / 60.0;
    return OwnShip.longitudeHemisphere == 'W' ? -value : value;
}

void AppendPosition(std::string& out, double latitude, double longitude)
{
    AppendNmeaLatitude(out, latitude);
    out += ',';
    AppendNmeaLongitude(out, longitude);
}

void AppendEntryPosition(std::string& out, int32_t index)
{
    if (index < 0) {
        AppendPosition(out, ReceivedLatitude(), ReceivedLongitude());
        return;
    }
    const cmgbase::GeoPoint position = RouteTable[size_t(index)].position;
    AppendPosition(out, cmgbase::nrm2deg(position.y), cmgbase::nrm2deg(position.x));
}

char NmeaOutputStatus()
{
    return OwnShip.gpsQuality == 0 ? 'V' : 'A';
}

struct Date {
    int day;
    int month;  // 1..12
    int year;   // two digits
};

// The GPS date once a GPS sent one (RMC, ZDA), else the UTC date of the PC clock.
Date RmcDate()
{
    const OwnShipState& s = OwnShip;
    if (s.gpsMonth >= 1 && s.gpsMonth <= 12 && s.gpsDay >= 1 && s.gpsDay <= 31 && s.gpsYear >= 0)
        return {s.gpsDay, s.gpsMonth, s.gpsYear % 100};
    const std::time_t now = std::chrono::system_clock::to_time_t(platform::ClockNow());
    std::tm utc{};
    gmtime_r(&now, &utc);
    return {utc.tm_mday, utc.tm_mon + 1, utc.tm_year % 100};
}

// A route chosen in the object list but not started yet has no leg to steer: nothing goes to
// the autopilot until route following (or the drawing or editing of the route) begins.
bool RouteGuidanceAvailable()
{
    return RouteEditMode != 0 && CurrentWaypoint >= 0 && CurrentWaypoint < RouteEntryCount();
}

// The cross-track error and the side to steer: right while the own ship is left of the leg.
void AppendCrossTrack(std::string& out)
{
    if (CurrentWaypoint < 1)
        out += "0.00,R";
    else
        Appendf(out, "%5.3f,%s", std::fabs(CrossTrackError), CrossTrackError < 0.0 ? "L" : "R");
}

void AppendRmb(std::string& out)
{
    const size_t start = out.size();
    const int32_t leg = CurrentWaypoint;
    Appendf(out, "$GPRMB,%c,", NmeaOutputStatus());
    AppendCrossTrack(out);
    Appendf(out, ",%d,%d,", WaypointNumber(leg - 1), WaypointNumber(leg));
    AppendEntryPosition(out, leg);
    // Within the arrival radius DistanceToGo goes below 0; a range is never negative.
    Appendf(out, ",%.2f,%.1f,%.1f,%s", std::max(DistanceToGo, 0.0f), BearingToSteer, OwnShip.speedOverGround,
            NearNextLeg || PastAbeam ? "A" : "V");
    AppendNmeaChecksum(out, start);
}

void AppendApb(std::string& out)
{
    const size_t start = out.size();
    const int32_t leg = CurrentWaypoint;
    char arrival[] = "V,V";
    if (NearNextLeg)
        arrival[0] = 'A';
    if (PastAbeam)
        arrival[2] = 'A';
    Appendf(out, "$GPAPB,%c,A,", NmeaOutputStatus());
    AppendCrossTrack(out);
    Appendf(out, ",N,%s,", arrival);
    const bool gyro = SensorSetup.autoGyro;
    const char* reference = gyro ? "T" : "M";
    const float origin = leg < 1 || OwnPositionInserted ? BearingToSteer : RouteTable[size_t(leg - 1)].legBearing;
    Appendf(out, "%05.1f,%s,%d,%05.1f,%s,,", NormaliseBearing(origin, gyro), reference, WaypointNumber(leg),
            NormaliseBearing(BearingToSteer, gyro), reference);
    AppendNmeaChecksum(out, start);
}

// The RTE of no route.
void AppendRouteEnd(std::string& out)
{
    const size_t start = out.size();
    out += "$GPRTE,1,1,w,,";
    AppendNmeaChecksum(out, start);
}

void AppendWaypointBlock(std::string& out)
{
    const int32_t first = std::max(CurrentWaypoint - 1, int32_t{-1});
    const int32_t end = std::min(first + WaypointsPerBlock, RouteEntryCount());
    if (first >= end) {
        AppendRouteEnd(out);
        return;
    }
    for (int32_t i = first; i < end; ++i) {
        const size_t start = out.size();
        out += "$GPWPL,";
        AppendEntryPosition(out, i);
        Appendf(out, ",%d", WaypointNumber(i));
        AppendNmeaChecksum(out, start);
    }
    const size_t start = out.size();
    out += "$GPRTE,1,1,w,Rt";
    for (int32_t i = first; i < end; ++i)
        Appendf(out, ",%d", WaypointNumber(i));
    AppendNmeaChecksum(out, start);
}

}  // namespace

size_t AppendNmeaChecksum(std::string& text, size_t start)
{
    uint8_t checksum = 0;
    for (size_t i = start + 1; i < text.size(); ++i)
        checksum ^= uint8_t(text[i]);
    Appendf(text, "*%02X\r\n", checksum);
    return text.size();
}

void AppendNmeaLatitude(std::string& out, double degrees)
{
    AppendAngle(out, degrees, 2, 'N', 'S');
}

void AppendNmeaLongitude(std::string& out, double degrees)
{
    AppendAngle(out, degrees, 3, 'E', 'W');
}

void AppendRmc(std::string& out)
{
    const OwnShipState& s = OwnShip;
    const size_t start = out.size();
    Appendf(out, "$GPRMC,%02d%02d%02d,%c,", s.gpsHour, s.gpsMinute, s.gpsWholeSeconds, NmeaOutputStatus());
    AppendPosition(out, ReceivedLatitude(), ReceivedLongitude());
    const float course = s.speedOverGround >= 3.0f ? s.courseOverGround : s.displayCourse;
    const Date date = RmcDate();
    const int variation = SensorSetup.magneticVariation;  // tenths of a degree, west positive
    Appendf(out, ",%.1f,%.1f,%02d%02d%02d,%.1f,%s", s.speedOverGround, course, date.day, date.month,
            date.year, std::abs(variation) * 0.1, variation >= 0 ? "W" : "E");
    AppendNmeaChecksum(out, start);
}

void AppendRouteSentences(std::string& out, int32_t bits)
{
    bool routeEndSent = false;
    if (RouteStopRequest) {
        RouteStopRequest = 0;
        if (bits & OutputWaypoints) {
            AppendRouteEnd(out);
            routeEndSent = true;
        }
    }
    if (RouteId == 0) {
        if (NewWaypoint && (bits & OutputWaypoints) && !routeEndSent)
            AppendRouteEnd(out);
        NewWaypoint = 0;
        return;
    }
    if (RouteFromOutside || RouteStartRequest)
        return;
    if (RouteGuidanceAvailable()) {
        if (bits & OutputRmb)
            AppendRmb(out);
        if (bits & OutputApb)
            AppendApb(out);
    }
    if (NewWaypoint) {
        NewWaypoint = 0;
        if (bits & OutputWaypoints)
            AppendWaypointBlock(out);
    }
}
