#pragma once
// Committing a position fix: the checks of a received position, the fix chain (the first fix is
// only remembered) and the PC clock kept in step with the GPS time.

#include <cstdint>

// The fields of one position sentence, read into a temporary before anything is committed.
struct PositionFields {
    int32_t hour = 0;
    int32_t minute = 0;
    float seconds = 0.0f;
    int32_t latitudeDegrees = 0;
    float latitudeMinutes = 0.0f;
    char latitudeHemisphere = 0;
    int32_t longitudeDegrees = 0;
    float longitudeMinutes = 0.0f;
    char longitudeHemisphere = 0;
    bool hasDate = false;  // the sentence carried its own date (RMC)
    int32_t day = 0;
    int32_t month = 0;
    int32_t year = 0;
};

// True when hour, minute and seconds lie within a day (a leap second included).
bool ValidTime(const PositionFields& fields);

// True for 'E' or 'W': the sentence carried a longitude.
bool HasLongitude(const PositionFields& fields);

// Signed degrees of a position's text parts; false when the parts are out of range (degrees
// beyond 90 / 180, minutes outside 0..60, a latitude beyond `latitudeLimit`).
bool PositionDegrees(const PositionFields& fields, double latitudeLimit, double& longitude,
                     double& latitude);

// Commits the fix from `port`: 1 when committed, 0 when refused or only remembered. On commit
// the position text parts and the GPS time are taken into the own-ship state.
int32_t ApplyGpsFix(int port, const PositionFields& fields);

// Commits the own transponder's position (signed degrees) as a fix while no GPS port is chosen:
// the same checks and fix chain as a GPS fix, the position text parts made from the degrees, the
// GPS time and the PC clock left alone (the report carries no time of day). 1 when committed.
int32_t ApplyTransponderFix(double longitude, double latitude);

// A ZDA date waiting for the next fix of the same hour.
void NoteGpsDate(int32_t hour, int32_t day, int32_t month, int32_t year);

// Forgets a waiting date and that a date was applied (for tests and a restart of the input).
void ResetGpsDate();

// The hourly clear of the clock mark: a satellites byte of 255 (the PC clock to be checked at
// this fix) goes back to 0, so that a receiver that sends no satellite count (RMC alone) neither
// keeps the clock check on every fix nor shows 255 satellites.
void ClearClockCheckMark();
