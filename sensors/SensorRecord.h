#pragma once
// The own-ship sensor record: 125 bytes, little-endian, packed. It is handed byte for byte to the
// sensor-feed library after every committed fix, so its layout is a wire format. The staged-target
// block at its end is the hand-over to the target table.

#include "sensors/TargetRecord.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

#pragma pack(push, 1)
struct SensorRecord {
    uint8_t fixSequence;         // +1 with every committed fix
    uint8_t gpsQuality;          // 0 no fix, 1 GPS, 2 differential
    uint8_t satellites;          // 255: the PC clock is to be checked now
    uint8_t headingValidity;     // seconds left
    uint8_t waterSpeedValidity;
    uint8_t depthValidity;
    uint8_t markerValidity;
    uint8_t reserved7;
    double longitude;            // degrees, east positive
    double latitude;             // degrees, north positive
    float courseOverGround;      // degrees true
    float speedOverGround;       // knots
    float heading;
    float speedThroughWater;     // knots
    float depth;                 // metres below the keel reference
    float waterTemperature;      // degrees Celsius
    float markerBearing;         // degrees
    int32_t markerRange;         // nautical miles x 100
    float trueWindDirection;     // degrees, from
    float trueWindSpeed;         // m/s
    int16_t finderBearing;       // direction finder, whole degrees
    uint8_t finderValidity;
    uint8_t reserved67;
    int32_t targetId;            // staged target from here on
    float targetDistance;        // nautical miles
    float targetBearing;
    float targetSpeed;           // knots
    float targetCourse;
    float targetCpa;             // nautical miles
    float targetTcpa;            // minutes
    char targetBearingReference; // 'T' true, 'R' relative
    char targetCourseReference;
    uint8_t targetSequence;      // +1 whenever a target record changes
    char targetStatus;           // 'L' lost, 'Q' query, 'T' tracking
    char targetName[25];         // the first 25 bytes of the staged name
};
#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<SensorRecord>);
static_assert(sizeof(SensorRecord) == 125);
static_assert(offsetof(SensorRecord, longitude) == 8);
static_assert(offsetof(SensorRecord, markerRange) == 52);
static_assert(offsetof(SensorRecord, finderBearing) == 64);
static_assert(offsetof(SensorRecord, targetId) == 68);
static_assert(offsetof(SensorRecord, targetBearingReference) == 96);
static_assert(offsetof(SensorRecord, targetSequence) == 98);
static_assert(offsetof(SensorRecord, targetName) == 100);

// The AIS staging block: a record's AIS part as the AIS decoder fills it before it calls
// UpdateTargetTable(port, 4 or 5), with the MMSI in SensorRecord::targetId as well. For kind 5
// staticPart says which message the static block comes from: only its fields are taken.
struct StagedAisTarget {
    AisDynamicBlock dynamic{};
    AisStaticBlock staticData{};
    AisStaticPartBit staticPart = AisMessage5;
    uint8_t positionFixDevice = 0;  // message 5's type of position-fixing device
};
