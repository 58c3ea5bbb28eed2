// Depth (DPT, DBT) and the sonar / sounder sentence "$PFEC".

#include "sensors/FieldScanner.h"
#include "sensors/OwnShipState.h"
#include "sensors/SeabedRecorder.h"
#include "sensors/SensorSettings.h"
#include "sensors/SentenceHandlers.h"
#include "sensors/TargetTable.h"

#include <cstring>

namespace {

constexpr float FeetToMetres = 0.3048f;
constexpr float FathomsToMetres = 1.8288f;
constexpr float MetresToNauticalMiles = 0.00054f;

int32_t SonarTarget(const SentenceContext& s)
{
    float distance = 0.0f;
    float cpa = 0.0f;
    float bearing = 0.0f;
    FieldScanner in(s.line);
    in.skip(5);
    in.skip(5);
    in.real(distance);
    in.real(cpa);
    in.real(bearing);
    if (!OwnShip.positionKnown)
        return 0;
    SensorRecord& staged = OwnShip.sensorRecord;
    staged.targetId = 0;
    staged.targetDistance = distance * MetresToNauticalMiles;
    staged.targetBearing = bearing;
    staged.targetSpeed = OwnShip.sonarSpeed;
    staged.targetCourse = OwnShip.sonarCourse;
    staged.targetCpa = cpa;
    staged.targetTcpa = 0.0f;
    staged.targetBearingReference = 'T';
    staged.targetCourseReference = 'T';
    staged.targetStatus = 'T';
    SetStagedTargetName("SONAR TARGET");
    return UpdateTargetTable(s.port, 2);
}

}  // namespace

int32_t HandleDpt(const SentenceContext& s)
{
    if (OwnShip.dbtSeen)
        return 0;
    float depth = 0.0f;
    float offset = 0.0f;
    FieldScanner in(s.line);
    in.skip(6);
    in.real(depth);
    in.real(offset);
    if (depth < 0.0f)
        return 0;
    depth += offset > 0.0f ? offset : float(SensorSetup.depthSurface);
    return HandleDepthReading(depth);
}

int32_t HandleDbt(const SentenceContext& s)
{
    float feet = 0.0f;
    float metres = 0.0f;
    float fathoms = 0.0f;
    FieldScanner in(s.line);
    in.skip(6);
    in.real(feet);
    in.skip(1);
    in.real(metres);
    in.skip(1);
    in.real(fathoms);
    OwnShip.dbtSeen = true;
    float depth = 0.0f;
    if (metres != 0.0f)
        depth = metres;
    else if (feet != 0.0f)
        depth = feet * FeetToMetres;
    else if (fathoms != 0.0f)
        depth = fathoms * FathomsToMetres;
    if (depth < 0.0f)
        return 0;
    return HandleDepthReading(depth + float(SensorSetup.depthSurface));
}

int32_t HandleSonarData(const SentenceContext& s)
{
    if (std::strstr(s.line, "SSfkv") != nullptr) {
        FieldScanner in(s.line);
        in.skip(5);
        in.skip(5);
        in.real(OwnShip.sonarCourse);
        in.real(OwnShip.sonarSpeed);
        return 0;
    }
    if (std::strstr(s.line, "SStlm") != nullptr)
        return SonarTarget(s);
    if (std::strstr(s.line, "SDbtm") != nullptr) {
        float depth = 0.0f;
        char status = 0;
        FieldScanner in(s.line);
        in.skip();
        in.skip();
        in.skip();
        in.real(depth);
        in.skip();
        in.letter(status);
        // A depth the sounder marks invalid is no reading.
        return status == 'A' ? HandleDepthReading(depth) : 0;
    }
    return 0;
}
