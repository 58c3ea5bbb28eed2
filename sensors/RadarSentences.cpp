// The radar marker (RSD, the fixed-column 'O' sentence) and the direction-finder bearing (BRG,
// "$PRHO").

#include "sensors/FieldScanner.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorSettings.h"
#include "sensors/SentenceHandlers.h"

#include <cmath>
#include <cstring>
#include <numbers>

namespace {

constexpr float MaximumMarkerRange = 1000.0f;  // nautical miles

bool ValidBearing(float degrees)
{
    return degrees >= 0.0f && degrees <= 360.0f;
}

float Wrapped(float degrees)
{
    degrees = std::fmod(degrees, 360.0f);
    return degrees < 0.0f ? degrees + 360.0f : degrees;
}

bool StoreMarker(float range, float bearing)
{
    if (!(range >= 0.0f && range <= MaximumMarkerRange) || !ValidBearing(bearing))
        return false;
    OwnShip.markerBearing = bearing;
    OwnShip.markerRange = int32_t(range * 100.0f);
    OwnShip.markerValid = true;
    OwnShip.markerValidity = SensorValidSeconds;
    ClearAlarmKind(AlarmRadarLost);
    return true;
}

void StoreFinderBearing(float degrees)
{
    OwnShip.finderBearing = int16_t(degrees);
    OwnShip.finderValidity = FinderValidSeconds;
}

}  // namespace

int32_t HandleRsd(const SentenceContext& s)
{
    if (s.port < OwnShip.radarPort)
        OwnShip.radarPort = s.port;
    if (s.port != OwnShip.radarPort)
        return 0;
    float vrm = 0.0f, ebl = 0.0f, cursorRange = 0.0f, cursorBearing = 0.0f, scale = 0.0f;
    char rotation = 0;
    FieldScanner in(s.line);
    in.skip(6);
    in.skipNumber();
    in.skipNumber();
    in.real(vrm);
    in.real(ebl);
    for (int i = 0; i < 4; ++i)
        in.skipNumber();
    in.real(cursorRange);
    in.real(cursorBearing);
    in.real(scale);
    in.skip(1);
    in.letter(rotation);

    const bool cursorUnset = cursorRange == 0.0f && cursorBearing == 0.0f;
    const float range = cursorUnset ? vrm : cursorRange;
    float bearing = cursorUnset ? ebl : cursorBearing;
    if (!(range >= 0.0f && range <= MaximumMarkerRange) || !ValidBearing(bearing))
        return 0;
    // The rotation letter is taken as read: an empty field reads as "0" (or as the checksum's
    // star when it is the last field), a missing one as nothing, and neither is head-up.
    if (scale != OwnShip.radarRangeScale || rotation != OwnShip.radarRotation) {
        OwnShip.radarDisplayChanged = true;
        if (rotation == 'C' && OwnShip.radarRotation != 'C')
            OwnShip.courseUpReference = OwnShip.displayCourse;
        OwnShip.radarRangeScale = scale;
        OwnShip.radarRotation = rotation;
    }
    if (!SensorSetup.trueRadar && rotation == 'H') {
        bearing += OwnShip.displayCourse + 0.0001f;
        if (bearing >= 360.0f)
            bearing -= 360.0f;
    }
    StoreMarker(range, bearing);
    OwnShip.transmitFlags[size_t(s.port)] = 1;  // the radar gets our output back
    return 0;
}

int32_t HandleFixedMarker(const SentenceContext& s)
{
    if (!OwnShip.positionKnown)
        return 0;
    float first = 0.0f, second = 0.0f, east = 0.0f, north = 0.0f;
    char eastLetter = 0, northLetter = 0;
    FieldScanner in(s.line);
    in.skip(1);
    in.skipNumber();
    in.skipNumber();
    in.real(first);
    in.real(second);
    in.letter(eastLetter);
    in.real(east);
    in.letter(northLetter);
    in.real(north);
    if (first == 0.0f && east == 0.0f && north == 0.0f)
        return 0;
    if (east == 0.0f && north == 0.0f) {
        StoreMarker(first, second);
        return 0;
    }
    if (eastLetter == 'E')
        east = -east;
    if (northLetter == 'N')
        north = -north;
    const float bearing = std::atan2(east, north) * 180.0f / std::numbers::pi_v<float> + 180.0f;
    StoreMarker(std::hypot(east, north), Wrapped(bearing));
    return 0;
}

int32_t HandleBrg(const SentenceContext& s)
{
    float bearing = 0.0f;
    char reference = 0;
    FieldScanner in(s.line);
    in.skip(6);
    in.skip();
    in.skip();
    in.skip();
    in.real(bearing);
    in.letter(reference);
    if (!ValidBearing(bearing))
        return 0;
    // Kept as a true bearing: the chart applies its own rotation when it draws the bearing.
    if (reference == 'R')
        bearing += OwnShip.heading;
    StoreFinderBearing(Wrapped(bearing));
    return 0;
}

int32_t HandleSonarHeading(const SentenceContext& s)
{
    char kind[8] = {};
    float first = 0.0f, second = 0.0f;
    FieldScanner in(s.line);
    in.skip();
    in.skip();
    in.word(kind, sizeof kind);
    in.skipNumber();
    in.skipNumber();
    in.skip();
    for (int i = 0; i < 3; ++i)
        in.skipNumber();
    in.real(first);
    in.real(second);
    if (std::strcmp(kind, "DFSTD") == 0 && in.count() == 3 && ValidBearing(second))
        StoreFinderBearing(second);
    return 0;
}
