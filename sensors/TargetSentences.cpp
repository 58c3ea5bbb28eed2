// The radar target sentences: TTM, TGT and the fixed-column 'T' sentence. Each stages its target
// in the own-ship record and hands it to the target table as an ARPA target.
//
// TTM and TGT, fields in NMEA 0183 order: target number, distance, bearing, bearing reference
// (T / R), speed, course, course reference, CPA, TCPA (minutes), units of distance and speed
// (K km and km/h, N nautical miles and knots, S statute miles and mph), name, status (T
// tracking, L lost, Q query).
//
// The fixed-column 'T' sentence has no separators; the parser splits it into these columns
// (widths in characters), numbers zero-padded, units as in TTM:
//   "$T" and the target number (2), status (1), distance (4), bearing reference (1),
//   bearing (4), units (1), speed (5), course reference (1), course (5), CPA (4),
//   north component of the target's velocity (3, signed, knots).
// The sentence gives no TCPA: the north velocity is what it carries in that place, and it is
// stored as the TCPA. Example: "$T07T2.50T0270N012.5T123.40.52-09".

#include "sensors/FieldScanner.h"
#include "sensors/OwnShipState.h"
#include "sensors/SentenceHandlers.h"
#include "sensors/TargetTable.h"

namespace {

constexpr float KilometresToMiles = 1.0f / 1.852f;
constexpr float StatuteToNauticalMiles = 1.609344f / 1.852f;

struct TargetFields {
    int32_t number = 0;
    float distance = 0.0f;
    float bearing = 0.0f;
    char bearingReference = 0;
    float speed = 0.0f;
    float course = 0.0f;
    char courseReference = 0;
    float cpa = 0.0f;
    float tcpa = 0.0f;
    char units = 0;
    char name[33] = {};
    char status = 0;
};

float MilesPerUnit(char units)
{
    switch (units) {
    case 'K': return KilometresToMiles;
    case 'S': return StatuteToNauticalMiles;
    default: return 1.0f;
    }
}

char TargetStatus(char status)
{
    switch (status) {
    case 'L':
    case 'E':
    case 'Q':
        return status;
    default:
        return 'T';
    }
}

int32_t StageArpaTarget(const SentenceContext& s, const TargetFields& f)
{
    const float factor = MilesPerUnit(f.units);
    SensorRecord& staged = OwnShip.sensorRecord;
    staged.targetId = f.number;
    staged.targetDistance = f.distance * factor;
    staged.targetBearing = f.bearing;
    staged.targetBearingReference = f.bearingReference;
    staged.targetSpeed = f.speed * factor;
    staged.targetCourse = f.course;
    staged.targetCourseReference = f.courseReference;
    staged.targetCpa = f.cpa * factor;
    staged.targetTcpa = f.tcpa;
    staged.targetStatus = TargetStatus(f.status);
    SetStagedTargetName(f.name);
    return UpdateTargetTable(s.port, TargetArpa);
}

int32_t HandleTargetMessage(const SentenceContext& s)
{
    TargetFields f;
    FieldScanner in(s.line);
    in.skip(6);
    in.integer(f.number);
    in.real(f.distance);
    in.real(f.bearing);
    in.letter(f.bearingReference);
    in.real(f.speed);
    in.real(f.course);
    in.letter(f.courseReference);
    in.real(f.cpa);
    in.real(f.tcpa);
    in.letter(f.units);
    in.word(f.name, sizeof f.name);
    in.letter(f.status);
    return StageArpaTarget(s, f);
}

}  // namespace

int32_t HandleTtm(const SentenceContext& s)
{
    return HandleTargetMessage(s);
}

int32_t HandleTgt(const SentenceContext& s)
{
    return HandleTargetMessage(s);
}

int32_t HandleFixedTarget(const SentenceContext& s)
{
    TargetFields f;
    FieldScanner in(s.line);
    in.skip(1);
    in.integer(f.number);
    in.letter(f.status);
    in.real(f.distance);
    in.letter(f.bearingReference);
    in.real(f.bearing);
    in.letter(f.units);
    in.real(f.speed);
    in.letter(f.courseReference);
    in.real(f.course);
    in.real(f.cpa);
    in.real(f.tcpa);  // the north velocity
    return StageArpaTarget(s, f);
}
