// GGA, GLL, VTG, RMC and ZDA: position, time, course and speed over ground. Only the GPS port
// feeds them (any port while none is chosen); GGA is preferred over GLL, VTG over RMC's course.

#include "sensors/FieldScanner.h"
#include "sensors/GpsFix.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorSettings.h"
#include "sensors/SentenceHandlers.h"

#include <algorithm>

namespace {

bool OnGpsPort(int port)
{
    return OwnShip.gpsPort < 0 || OwnShip.gpsPort == port;
}

void ReadTime(FieldScanner& in, PositionFields& f)
{
    in.integer(f.hour, 2);
    in.integer(f.minute, 2);
    in.real(f.seconds);
}

void ReadLatitude(FieldScanner& in, PositionFields& f)
{
    in.integer(f.latitudeDegrees, 2);
    in.real(f.latitudeMinutes);
    in.letter(f.latitudeHemisphere);
}

void ReadLongitude(FieldScanner& in, PositionFields& f)
{
    in.integer(f.longitudeDegrees, 3);
    in.real(f.longitudeMinutes);
    in.letter(f.longitudeHemisphere);
}

float CourseOrZero(float course)
{
    return course >= 0.0f && course <= 360.0f ? course : 0.0f;
}

// The quality a GLL or RMC status letter stands for; other letters leave it as it is.
void QualityFromStatus(char status)
{
    if (status == 'A')
        OwnShip.gpsQuality = 1;
    else if (status == 'V')
        OwnShip.gpsQuality = 0;
}

}  // namespace

float NormaliseBearing(float angle, bool isTrue)
{
    if (!isTrue)
        angle += float(SensorSetup.magneticVariation) * 0.1f;
    if (angle > 360.0f)
        angle -= 360.0f;
    if (angle < 0.0f)
        angle += 360.0f;
    return angle;
}

float MagneticToTrue(float magnetic)
{
    float angle = magnetic - float(SensorSetup.magneticVariation) * 0.1f;
    if (angle >= 360.0f)
        angle -= 360.0f;
    if (angle < 0.0f)
        angle += 360.0f;
    return angle;
}

int32_t HandleGga(const SentenceContext& s)
{
    PositionFields f;
    int32_t quality = 0;
    int32_t satellites = 0;
    FieldScanner in(s.line);
    in.skip(6);
    ReadTime(in, f);
    ReadLatitude(in, f);
    ReadLongitude(in, f);
    in.integer(quality);
    in.integer(satellites);

    if (!OnGpsPort(s.port)) {
        // A better receiver on another port asks the one-second tick to switch to it.
        if (quality > OwnShip.gpsQuality && quality < 3) {
            OwnShip.positionTimeoutCounter = GpsSwitchRequest(s.port);
            OwnShip.gpsQuality = uint8_t(quality);
        }
        return 0;
    }
    if (!HasLongitude(f))
        return 0;
    if (quality >= 0 && quality < 3)
        OwnShip.gpsQuality = uint8_t(quality);
    OwnShip.satellites = uint8_t(std::clamp(satellites, 0, 254));
    int32_t result = 0;
    if (OwnShip.vtgSeen && quality > 0)  // quality 0: the receiver has no fix
        result = ApplyGpsFix(s.port, f);
    OwnShip.ggaSeen = true;
    return result;
}

int32_t HandleGll(const SentenceContext& s)
{
    if (OwnShip.ggaSeen || !OnGpsPort(s.port))
        return 0;
    PositionFields f;
    char status = 0;
    FieldScanner in(s.line);
    in.skip(6);
    ReadLatitude(in, f);
    ReadLongitude(in, f);
    ReadTime(in, f);
    in.letter(status);
    if (!HasLongitude(f))
        return 0;
    int32_t result = 0;
    if (OwnShip.vtgSeen && status != 'V')
        result = ApplyGpsFix(s.port, f);
    QualityFromStatus(status);
    OwnShip.satellites = 0;
    OwnShip.gllSeen = true;
    return result;
}

int32_t HandleVtg(const SentenceContext& s)
{
    if (!(OwnShip.ggaSeen || OwnShip.gllSeen) || !OnGpsPort(s.port))
        return 0;
    float trueCourse = 0.0f;
    float magneticCourse = 0.0f;
    float knots = 0.0f;
    FieldScanner in(s.line);
    in.skip(6);
    in.real(trueCourse);
    in.skip(1);
    in.real(magneticCourse);
    in.skip(1);
    in.real(knots);
    if (knots < 0.0f)
        return 0;
    OwnShip.speedOverGround = knots;
    float course = 0.0f;
    if (trueCourse > 0.0f)
        course = trueCourse;
    else if (magneticCourse > 0.0f)
        course = MagneticToTrue(magneticCourse);
    OwnShip.courseOverGround = CourseOrZero(course);
    OwnShip.vtgSeen = true;
    return 0;
}

int32_t HandleRmc(const SentenceContext& s)
{
    if (OwnShip.vtgSeen || !OnGpsPort(s.port))
        return 0;
    PositionFields f;
    char status = 0;
    float knots = 0.0f;
    float course = 0.0f;
    FieldScanner in(s.line);
    in.skip(6);
    ReadTime(in, f);
    in.letter(status);
    ReadLatitude(in, f);
    ReadLongitude(in, f);
    in.real(knots);
    in.real(course);
    in.integer(f.day, 2);
    in.integer(f.month, 2);
    in.integer(f.year, 2);
    f.hasDate = !in.failed() && f.day != 0;
    if (!HasLongitude(f))
        return 0;
    if (knots >= 0.0f)
        OwnShip.speedOverGround = knots;
    OwnShip.courseOverGround = CourseOrZero(course);
    const int32_t result = status != 'V' ? ApplyGpsFix(s.port, f) : 0;
    if (!OwnShip.ggaSeen) {
        OwnShip.satellites = 0;
        QualityFromStatus(status);
    }
    return result;
}

int32_t HandleZda(const SentenceContext& s)
{
    PositionFields f;
    FieldScanner in(s.line);
    in.skip(6);
    ReadTime(in, f);
    in.integer(f.day);
    in.integer(f.month);
    in.integer(f.year);
    if (in.count() < 3 || !ValidTime(f))
        return 0;
    OwnShip.gpsHour = f.hour;
    OwnShip.gpsMinute = f.minute;
    OwnShip.gpsSeconds = f.seconds;
    OwnShip.gpsWholeSeconds = int32_t(f.seconds);
    if (in.count() == 6) {
        OwnShip.gpsDay = f.day;
        OwnShip.gpsMonth = f.month;
        OwnShip.gpsYear = f.year;
        NoteGpsDate(f.hour, f.day, f.month, f.year);
    }
    return 0;
}
