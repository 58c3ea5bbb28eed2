#include "sensors/AisDecoding.h"

#include "frame/RhumbLine.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/AisHooks.h"
#include "sensors/AisTextMessages.h"
#include "sensors/GpsFix.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorNotices.h"
#include "sensors/SensorSettings.h"
#include "sensors/SentenceHandlers.h"
#include "sensors/TargetTable.h"

#include <cstring>

namespace {

bool OtherStation(uint32_t mmsi)
{
    return mmsi != 0 && mmsi != SensorSetup.ownMmsi;
}

bool OwnStation(uint32_t mmsi)
{
    return mmsi != 0 && mmsi == SensorSetup.ownMmsi;
}

// The staged target's id, status and name for the table.
void StageTarget(uint32_t mmsi, const char* name)
{
    OwnShip.sensorRecord.targetId = int32_t(mmsi);
    OwnShip.sensorRecord.targetStatus = 'T';
    SetStagedTargetName(name);
}

// The own transponder's report: the own AIS record, and heading, motion and position while no
// gyro (HDT) and no GPS port deliver them.
int32_t TakeOwnPositionReport(const AisDynamicBlock& report)
{
    TargetTable[size_t(OwnAisRecord)].dynamic = report;
    if (!OwnShip.hdtSeen && report.trueHeading < 360 && ApplyHeading(float(report.trueHeading)))
        OwnShip.displayCourse = OwnShip.heading;
    if (OwnShip.gpsPort >= 0)
        return 0;
    if (report.cogTenths < AisCogNotAvailable)
        OwnShip.courseOverGround = float(report.cogTenths) * 0.1f;
    if (report.sogTenths < AisSogNotAvailable)
        OwnShip.speedOverGround = float(report.sogTenths) * 0.1f;
    OwnShip.displayCourse =
        OwnShip.headingValidity > 0 ? OwnShip.heading : OwnShip.courseOverGround;
    // The transponder alone positions the own ship: its report is a fix like a GPS sentence's.
    return ApplyTransponderFix(double(report.rawLongitude) / AisUnitsPerDegree,
                               double(report.rawLatitude) / AisUnitsPerDegree);
}

int32_t TakePositionReport(int port, AisSource source, const AisPayload& payload, char channel)
{
    AisDynamicBlock report;
    if (!DecodeAisPositionReport(payload, report))
        return 0;
    report.channel = channel;
    if (source == AisSource::Vdo ? !OwnStation(report.mmsi) : !OtherStation(report.mmsi))
        return 0;
    if (!ConvertAisPosition(source, report))
        return 0;
    if (source == AisSource::Vdo)
        return TakeOwnPositionReport(report);
    StageTarget(report.mmsi, "");
    OwnShip.stagedAis.dynamic = report;
    return UpdateTargetTable(port, TargetAisPosition);
}

int32_t TakeVoyageData(int port, AisSource source, const AisPayload& payload)
{
    AisStaticBlock block;
    uint8_t positionFixDevice = 0;
    if (!DecodeAisVoyageData(payload, block, positionFixDevice))
        return 0;
    if (source == AisSource::Vdo) {
        if (!OwnStation(block.mmsi))
            return 0;
        TargetRecord& own = TargetTable[size_t(OwnAisRecord)];
        own.staticData = block;
        std::memset(own.label, 0, sizeof own.label);
        std::memcpy(own.label, block.name, std::strlen(block.name));
        QueueSensorWork([] {
            if (AisHook.ownStaticDataChanged)
                AisHook.ownStaticDataChanged();
        });
        return 0;
    }
    if (!OtherStation(block.mmsi))
        return 0;
    StageTarget(block.mmsi, block.name);
    OwnShip.stagedAis.staticData = block;
    OwnShip.stagedAis.staticPart = AisMessage5;
    OwnShip.stagedAis.positionFixDevice = positionFixDevice;
    return UpdateTargetTable(port, TargetAisStatic);
}

int32_t TakeStaticPart(int port, const AisPayload& payload)
{
    AisStaticBlock block;
    const int32_t part = DecodeAisStaticPart(payload, block);
    if (part == 0 || !OtherStation(block.mmsi))
        return 0;
    StageTarget(block.mmsi, part == AisPartA ? block.name : "");
    OwnShip.stagedAis.staticData = block;
    OwnShip.stagedAis.staticPart = AisStaticPartBit(part);
    OwnShip.stagedAis.positionFixDevice = 0;
    return UpdateTargetTable(port, TargetAisStatic);
}

void TakeSafetyText(const AisPayload& payload)
{
    AisSafetyText message;
    if (DecodeAisSafetyText(payload, message) && OtherStation(message.source))
        ShowAisTextMessage(message.source, message.destination, message.type, message.text);
}

}  // namespace

bool ConvertAisPosition(AisSource source, AisDynamicBlock& report)
{
    if (!AisPositionAvailable(report.rawLongitude, report.rawLatitude))
        return false;
    const double longitude = double(report.rawLongitude) / AisUnitsPerDegree;
    const double latitude = double(report.rawLatitude) / AisUnitsPerDegree;
    const cmgbase::GeoPoint position{cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
    report.positionX = position.x;
    report.positionY = position.y;
    if (source == AisSource::Vdm) {
        return SensorSetup.aisRange >= AisRangeUnlimited ||
               RhumbDistanceWithin(position, OwnShip.referencePosition,
                                   double(SensorSetup.aisRange));
    }
    return true;
}

int32_t DecodeAisPayload(int port, AisSource source, const AisPayload& payload, char channel)
{
    const bool received = source == AisSource::Vdm;
    switch (AisMessageType(payload)) {
    case 1:
    case 2:
    case 3:
        return TakePositionReport(port, source, payload, channel);
    case 18:
        return received ? TakePositionReport(port, source, payload, channel) : 0;
    case 5:
        return TakeVoyageData(port, source, payload);
    case 24:
        return received ? TakeStaticPart(port, payload) : 0;
    case 12:
    case 14:
        if (received)
            TakeSafetyText(payload);
        return 0;
    default:
        return 0;
    }
}
