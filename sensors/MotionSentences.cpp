// Heading (HDT, the fixed-column 'L' sentence, OSD), speed through water (VBW, VHW, OSD), water
// temperature (MTW) and wind (MWV, VWR).

#include "sensors/FieldScanner.h"
#include "sensors/OwnShipState.h"
#include "sensors/SentenceHandlers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float KnotsToMetresPerSecond = 0.5144f;
constexpr float KilometresPerHourToMetresPerSecond = 0.2778f;
constexpr float MaximumWaterSpeed = 100.0f;  // knots
constexpr float DegreesToRadians = std::numbers::pi_v<float> / 180.0f;

bool ValidAngle(float degrees, float limit)
{
    return degrees >= 0.0f && degrees <= limit;
}

}  // namespace

bool ApplyHeading(float degrees)
{
    if (!ValidAngle(degrees, 360.0f))
        return false;
    if (degrees == 360.0f)
        degrees = 0.0f;
    OwnShip.heading = degrees;
    OwnShip.headingValidity = SensorValidSeconds;
    if (SensorHook.showDeadReckoningCourse)
        SensorHook.showDeadReckoningCourse(int32_t(degrees));
    ClearAlarmKind(AlarmHeadingLost);
    return true;
}

bool ApplyWaterSpeed(float knots)
{
    if (!(knots >= 0.0f && knots <= MaximumWaterSpeed))
        return false;
    OwnShip.speedThroughWater = knots;
    OwnShip.waterSpeedValidity = SensorValidSeconds;
    if (SensorHook.showDeadReckoningSpeed)
        SensorHook.showDeadReckoningSpeed(int32_t(knots + 0.5f));
    ClearAlarmKind(AlarmWaterSpeedLost);
    return true;
}

void ComputeTrueWind(bool relative)
{
    const float w = OwnShip.receivedWindSpeed;
    float a = OwnShip.receivedWindAngle + OwnShip.displayCourse;
    if (a > 360.0f)
        a -= 360.0f;
    OwnShip.receivedWindAngle = a;
    float speed = w;
    float direction = a;
    if (relative) {
        const float v = std::max(OwnShip.speedOverGround, 0.0f) * KnotsToMetresPerSecond;
        const float k = OwnShip.displayCourse * DegreesToRadians;
        const float windX = w * std::cos(a * DegreesToRadians);
        const float windY = w * std::sin(a * DegreesToRadians);
        const float shipX = v * std::cos(k);
        const float shipY = v * std::sin(k);
        const float x = windX - shipX;
        const float y = windY - shipY;
        if (x * x + y * y > 0.0f)
            speed = std::sqrt(x * x + y * y);
        if (windX == shipX && windY == shipY)
            direction = a - 180.0f;
        else
            direction = std::atan2(y, x) / DegreesToRadians;
    }
    if (direction < 0.0f)
        direction += 360.0f;
    OwnShip.windSpeed = speed;
    OwnShip.windDirection = direction;
}

int32_t HandleHdt(const SentenceContext& s)
{
    float heading = 0.0f;
    FieldScanner in(s.line);
    in.skip(6);
    if (!in.real(heading) || !ValidAngle(heading, 360.0f))
        return 0;
    if (OwnShip.gyroLock && OwnShip.headingValidity <= 0)
        OwnShip.gyroLock = false;  // the gyro has stopped
    if (s.talker == 'E')
        OwnShip.gyroLock = true;
    else if (OwnShip.gyroLock)
        return 0;  // the gyro has the say while it sends
    ApplyHeading(heading);
    OwnShip.hdtSeen = true;
    return 0;
}

int32_t HandleFixedHeading(const SentenceContext& s)
{
    float heading = 0.0f;
    FieldScanner in(s.line);
    in.skip();
    if (in.real(heading) && ApplyHeading(heading))
        OwnShip.hdtSeen = true;
    return 0;
}

int32_t HandleVbw(const SentenceContext& s)
{
    float longitudinal = 0.0f;
    float transverse = 0.0f;
    char status = 0;
    FieldScanner in(s.line);
    in.skip(6);
    in.real(longitudinal);
    in.real(transverse);
    in.letter(status);
    if (status == 'A')
        ApplyWaterSpeed(longitudinal);
    return 0;
}

int32_t HandleVhw(const SentenceContext& s)
{
    float knots = 0.0f;
    char unit = 0;
    FieldScanner in(s.line);
    in.skip(6);
    in.skipNumber();
    in.skip(1);
    in.skipNumber();
    in.skip(1);
    in.real(knots);
    in.letter(unit);
    if (unit == 'N')
        ApplyWaterSpeed(knots);
    return 0;
}

int32_t HandleOsd(const SentenceContext& s)
{
    float heading = 0.0f;
    float speed = 0.0f;
    char status = 0;
    char speedReference[8] = {};
    char unit = 0;
    FieldScanner in(s.line);
    in.skip(6);
    in.real(heading);
    in.letter(status);
    in.skipNumber();
    in.skip(1);
    in.real(speed);
    in.word(speedReference, sizeof speedReference);
    in.skipNumber();
    in.skipNumber();
    in.letter(unit);
    if (!OwnShip.hdtSeen && status == 'A')
        ApplyHeading(heading);
    if (unit == 'N' && speedReference[0] == 'W' && speedReference[1] == '\0')
        ApplyWaterSpeed(speed);
    return 0;
}

int32_t HandleMtw(const SentenceContext& s)
{
    float temperature = 0.0f;
    FieldScanner in(s.line);
    in.skip(6);
    if (in.real(temperature) && temperature >= -10.0f && temperature <= 60.0f)
        OwnShip.waterTemperature = temperature;
    return 0;
}

int32_t HandleMwv(const SentenceContext& s)
{
    float angle = 0.0f;
    float speed = 0.0f;
    char reference = 0;
    char unit = 0;
    FieldScanner in(s.line);
    in.skip(6);
    in.real(angle);
    in.letter(reference);
    in.real(speed);
    in.letter(unit);
    if (!ValidAngle(angle, 360.0f) || speed < 0.0f)
        return 0;
    if (unit == 'N')
        speed *= KnotsToMetresPerSecond;
    else if (unit == 'K')
        speed *= KilometresPerHourToMetresPerSecond;
    OwnShip.receivedWindAngle = angle;
    OwnShip.receivedWindSpeed = speed;
    ComputeTrueWind(reference == 'R');
    return 0;
}

int32_t HandleVwr(const SentenceContext& s)
{
    float angle = 0.0f;
    float speed = 0.0f;
    char side = 0;
    FieldScanner in(s.line);
    in.skip(6);
    in.real(angle);
    in.letter(side);
    in.skipNumber();
    in.skip(1);
    in.real(speed);
    if (!ValidAngle(angle, 180.0f) || speed < 0.0f)
        return 0;
    OwnShip.receivedWindAngle = side == 'R' ? angle : 360.0f - angle;
    OwnShip.receivedWindSpeed = speed;
    ComputeTrueWind(true);
    return 0;
}
