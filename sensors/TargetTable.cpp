#include "sensors/TargetTable.h"

#include "frame/RhumbLine.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/PositionComputation.h"
#include "sensors/ArpaSources.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorSettings.h"
#include "sensors/TargetStaticData.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <numbers>

std::array<TargetRecord, TargetCount + 1> TargetTable{};
int32_t ShownTarget = -1;

namespace {

constexpr float ArpaMinimumDistance = 0.1f;  // nautical miles
constexpr int32_t LostAge = 61;
constexpr uint16_t SogNotAvailable = 1023;
constexpr int32_t Unchanged = 0;
constexpr int32_t Updated = 2;
constexpr int32_t ReportedLost = 3;

std::vector<int32_t> updatedTargets;
std::array<bool, TargetCount> updatedMarks{};

void MarkUpdated(int32_t index)
{
    if (updatedMarks[size_t(index)])
        return;
    updatedMarks[size_t(index)] = true;
    updatedTargets.push_back(index);
}

bool IsAis(int kind)
{
    return kind == TargetAisPosition || kind == TargetAisStatic;
}

// The first live record whose id is `id`, or, for the AIS and replay kinds, whose AIS MMSI is.
int32_t FindTarget(int32_t id, bool byMmsi)
{
    const uint32_t mmsi = uint32_t(id);
    for (int32_t i = 0; i < TargetCount; ++i) {
        const TargetRecord& t = TargetTable[size_t(i)];
        if (t.id == id || (byMmsi && t.id != -1 && t.dynamic.mmsi == mmsi))
            return i;
    }
    return -1;
}

// A bearing or course whose reference is relative to the bow, made true.
float TrueDirection(float degrees, char reference)
{
    if (reference != 'R')
        return degrees;
    degrees += OwnShip.displayCourse;
    return degrees > 360.0f ? degrees - 360.0f : degrees;
}

int32_t Allocate(int32_t id, int kind)
{
    const int32_t index = FirstFreeTarget();
    if (index < 0)
        return -1;
    TargetRecord& t = ClaimTarget(index, id, uint8_t(kind));
    const char* name = OwnShip.stagedTargetName;
    const bool unnamed = kind == TargetAisPosition || std::strcmp(name, "0") == 0 || std::strcmp(name, "9") == 0;
    SetTargetLabel(t, name, unnamed ? 0 : sizeof OwnShip.stagedTargetName);
    t.staticLookupPending = IsNineDigitMmsi(id) ? 1 : 0;
    if (t.staticLookupPending)
        QueueStaticLookup(index);
    return index;
}

void MoveTo(TargetRecord& t, const cmgbase::GeoPoint& position)
{
    t.previousX = t.positionX;
    t.previousY = t.positionY;
    t.positionX = position.x;
    t.positionY = position.y;
    t.reportTime = uint32_t(ClockSeconds);
    t.lostCount = 0;
}

int32_t UpdateAisPosition(TargetRecord& t)
{
    const AisDynamicBlock& staged = OwnShip.stagedAis.dynamic;
    t.dynamic = staged;
    MoveTo(t, {staged.positionX, staged.positionY});
    t.speed = staged.sogTenths < SogNotAvailable ? float(staged.sogTenths) * 0.1f : 0.0f;
    t.course = float(staged.cogTenths) * 0.1f;
    t.status = 'T';
    double distance = 0.0;
    double bearing = 0.0;
    RhumbLineInverse(distance, bearing, {t.positionX, t.positionY}, OwnShip.referencePosition);
    t.distance = float(distance);
    t.bearing = float(bearing);
    return Updated;
}

int32_t UpdateAisStatic(int32_t index, TargetRecord& t)
{
    const StagedAisTarget& staged = OwnShip.stagedAis;
    const uint8_t part = staged.staticPart;
    CopyStaticFields(t.staticData, staged.staticData, part);
    t.staticData.mmsi = uint32_t(t.id);
    if (part & (AisPartA | AisMessage5))
        SetTargetLabel(t, staged.staticData.name, sizeof staged.staticData.name);
    t.staticParts |= part;
    if (t.staticLookupPending) {
        QueueStaticStore(index, part);
        const bool complete = (t.staticParts & AisMessage5) ||
                              (t.staticParts & (AisPartA | AisPartB)) == (AisPartA | AisPartB);
        if (complete)
            t.staticLookupPending = 0;
    }
    return Unchanged;
}

// ARPA, sonar, replayed and simulated targets: distance and bearing from the radar antenna.
int32_t UpdateRadarTarget(TargetRecord& t)
{
    const SensorRecord& staged = OwnShip.sensorRecord;
    const float bearing = TrueDirection(staged.targetBearing, staged.targetBearingReference);
    cmgbase::GeoPoint position = OwnShip.radarAntennaPosition;
    if (staged.targetDistance > 0.0f)
        cmgbase::DirPosComputation(OwnShip.radarAntennaPosition, &position,
                                   double(bearing) * std::numbers::pi / 180.0,
                                   double(staged.targetDistance), 0);
    MoveTo(t, position);
    t.distance = staged.targetDistance;
    t.bearing = bearing;
    t.speed = staged.targetSpeed;
    t.course = TrueDirection(staged.targetCourse, staged.targetCourseReference);
    t.cpa = staged.targetCpa;
    t.tcpa = staged.targetTcpa;
    t.status = staged.targetStatus;
    return Updated;
}

}  // namespace

int32_t UpdateTargetTable(int port, int kind)
{
    const SensorRecord& staged = OwnShip.sensorRecord;
    const int32_t id = staged.targetId;
    if (!OwnShip.positionKnown || id < 0)
        return Unchanged;
    if (IsAis(kind) && (id == 0 || uint32_t(id) == SensorSetup.ownMmsi))
        return Unchanged;
    if (kind == TargetArpa) {
        if (!(staged.targetDistance >= ArpaMinimumDistance))
            return Unchanged;
        if (const int32_t refused = ArpaSourceGate(port); refused >= 0)
            return refused;
    }

    int32_t index = FindTarget(id, kind >= TargetAisPosition);
    // AIS reports carry no lost status.
    if (!IsAis(kind) && (staged.targetStatus == 'L' || staged.targetStatus == 'E')) {
        if (index < 0)
            return Unchanged;
        TargetTable[size_t(index)].lostCount = LostAge;
        MarkUpdated(index);
        return ReportedLost;
    }
    if (index < 0) {
        if (kind == TargetAisStatic)
            return Unchanged;  // static data alone make no target
        index = Allocate(id, kind);
        if (index < 0)
            return Unchanged;
    }

    TargetRecord& t = TargetTable[size_t(index)];
    if (kind == TargetAisStatic)
        return UpdateAisStatic(index, t);
    MarkUpdated(index);
    return kind == TargetAisPosition ? UpdateAisPosition(t) : UpdateRadarTarget(t);
}

std::vector<int32_t> TakeUpdatedTargets()
{
    std::vector<int32_t> taken;
    taken.swap(updatedTargets);
    for (int32_t index : taken)
        updatedMarks[size_t(index)] = false;
    return taken;
}

TargetRecord& ClaimTarget(int32_t index, int32_t id, uint8_t kind)
{
    TargetRecord& t = TargetTable[size_t(index)];
    t.id = id;
    t.kind = kind;
    t.count = 0;
    t.colour = 3;  // green
    t.trackMode = 1;
    t.cpa = 0.0f;
    t.tcpa = 0.0f;
    t.aux = 0;
    t.guardZones[0] = t.guardZones[1] = 0;
    t.lostCount = 0;
    t.dynamic = AisDynamicBlock{};
    t.staticData = AisStaticBlock{};
    t.staticParts = 0;
    t.staticLookupPending = 0;
    return t;
}

int32_t FirstFreeTarget()
{
    for (int32_t i = 0; i < TargetCount; ++i)
        if (TargetTable[size_t(i)].id == -1)
            return i;
    return -1;
}

void FreeTarget(TargetRecord& target)
{
    target.id = -1;
    target.dynamic = AisDynamicBlock{};
    target.staticData = AisStaticBlock{};
}

void MarkAllTargetsFree()
{
    for (TargetRecord& record : TargetTable) {
        record.id = -1;
        record.aux = 0;
    }
}

void ResetTargetTable()
{
    for (TargetRecord& record : TargetTable)
        record = TargetRecord{};
    MarkAllTargetsFree();
    ShownTarget = -1;
    ArpaSource = 0;
    ArpaPorts = {-1, -1};
    TakeUpdatedTargets();
    DropTargetFileWork();
}

std::string TargetIdText(const TargetRecord& target)
{
    char text[16];
    if (target.kind == TargetSimulated)
        std::snprintf(text, sizeof text, "s%d", SimulatedTargetNumber(target.id));
    else
        std::snprintf(text, sizeof text, "%d", target.id);
    return text;
}

void SetTargetLabel(TargetRecord& target, const char* name, size_t length)
{
    const size_t n = strnlen(name, std::min(length, sizeof target.label - 1));
    std::memcpy(target.label, name, n);
    std::memset(target.label + n, 0, sizeof target.label - n);
}
