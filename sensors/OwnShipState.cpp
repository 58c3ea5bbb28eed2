#include "sensors/OwnShipState.h"

#include <algorithm>
#include <cstring>

OwnShipState OwnShip;

void ResetOwnShipSensorValues()
{
    OwnShip.courseOverGround = 0.0f;
    OwnShip.speedOverGround = 0.0f;
    OwnShip.heading = 0.0f;
    OwnShip.speedThroughWater = 0.0f;
    OwnShip.windSpeed = -1.0f;
}

void SyncSensorRecord()
{
    SensorRecord& r = OwnShip.sensorRecord;
    r.gpsQuality = OwnShip.gpsQuality;
    r.satellites = OwnShip.satellites;
    r.headingValidity = uint8_t(std::max<int8_t>(OwnShip.headingValidity, 0));
    r.waterSpeedValidity = uint8_t(std::max<int8_t>(OwnShip.waterSpeedValidity, 0));
    r.depthValidity = uint8_t(std::max<int8_t>(OwnShip.depthValidity, 0));
    r.markerValidity = uint8_t(std::max<int8_t>(OwnShip.markerValidity, 0));
    r.longitude = OwnShip.gpsLongitude;
    r.latitude = OwnShip.gpsLatitude;
    r.courseOverGround = OwnShip.courseOverGround;
    r.speedOverGround = OwnShip.speedOverGround;
    r.heading = OwnShip.heading;
    r.speedThroughWater = OwnShip.speedThroughWater;
    r.depth = OwnShip.depth;
    r.waterTemperature = OwnShip.waterTemperature;
    r.markerBearing = OwnShip.markerBearing;
    r.markerRange = OwnShip.markerRange;
    r.trueWindDirection = OwnShip.windDirection;
    r.trueWindSpeed = OwnShip.windSpeed;
    r.finderBearing = OwnShip.finderBearing;
    r.finderValidity = uint8_t(std::max<int8_t>(OwnShip.finderValidity, 0));
}

void SetStagedTargetName(const char* name)
{
    char* staged = OwnShip.stagedTargetName;
    const size_t length = strnlen(name, sizeof OwnShip.stagedTargetName - 1);
    std::memcpy(staged, name, length);
    std::memset(staged + length, 0, sizeof OwnShip.stagedTargetName - length);
    std::memcpy(OwnShip.sensorRecord.targetName, staged, sizeof OwnShip.sensorRecord.targetName);
}

namespace {

// Counts one validity down; true when it has just run out.
bool CountDown(int8_t& validity)
{
    if (validity <= 0)
        return false;
    return --validity == 0;
}

}  // namespace

void CountDownSensorTimeouts()
{
    if (CountDown(OwnShip.headingValidity)) {
        OwnShip.hdtSeen = false;
        OwnShip.gyroLock = false;
    }
    CountDown(OwnShip.waterSpeedValidity);
    if (CountDown(OwnShip.depthValidity)) {
        OwnShip.shallowDepthAlarmValue = 0.0f;
        // A DPT source is used again once the DBT source has stopped.
        OwnShip.dbtSeen = false;
    }
    if (CountDown(OwnShip.markerValidity))
        OwnShip.markerValid = false;
    CountDown(OwnShip.finderValidity);
}

void ResetSensorInput()
{
    OwnShip.lastFixLongitude = 0.0;
    OwnShip.lastFixLatitude = 0.0;
    OwnShip.fixAlive = false;
    OwnShip.gpsPort = -1;
    OwnShip.ggaSeen = false;
    OwnShip.gllSeen = false;
    OwnShip.vtgSeen = false;
}

void ClearAlarmKind(int32_t kind)
{
    if (OwnShip.alarmKind != kind)
        return;
    OwnShip.alarmKind = AlarmNone;
    OwnShip.alarmActive = false;
}
