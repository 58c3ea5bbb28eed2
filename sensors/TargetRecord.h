#pragma once
// One tracked vessel of the target table: ARPA, sonar, AIS, simulated or replayed. The record is
// kept byte for byte as the program has always laid it out (3114 bytes, packed); reserved
// stretches stay zero.
//
// Fields placed in stretches the layout left reserved:
//   offset 0    reportTime: when the target was last reported (seconds since 1970). A simulated
//               target's report is its start: reportTime is its start time and positionX / Y
//               its start position.
//   offset 4    guardZones: the ids of the guard zones the target is inside, 0 a free slot;
//               cleared when the record is allocated.
//   offset 2935 staticParts: the AIS static messages merged since the record was allocated
//               (AisStaticPartBit); they decide when the stored static data are complete.
// The age of a target, in seconds since its last report, is its lostCount.

#include <cstddef>
#include <cstdint>

// Target kinds: TargetRecord::kind and the kind passed to UpdateTargetTable.
enum TargetKind : uint8_t {
    TargetArpa = 0,
    TargetSonar = 2,
    TargetSimulated = 3,  // dead-reckoned from its start
    TargetAisPosition = 4,
    TargetAisStatic = 5,
    TargetReplay = 6,
};

// The AIS static messages, as bits of TargetRecord::staticParts.
enum AisStaticPartBit : uint8_t {
    AisPartA = 1,  // message 24 part A: the name
    AisPartB = 2,  // message 24 part B: call sign, vendor, ship type, dimensions
    AisMessage5 = 4,  // message 5: the whole static and voyage block
};

#pragma pack(push, 1)

struct AisDynamicBlock {
    uint32_t mmsi;
    uint8_t navigationStatus;
    uint8_t reserved1;
    int32_t rawLongitude;  // 1/10000 minute
    int32_t rawLatitude;
    int32_t positionX;  // GeoPoint, longitude first
    int32_t positionY;
    uint16_t cogTenths;
    uint16_t sogTenths;
    uint16_t trueHeading;
    int8_t rateOfTurn;  // -128 not available
    uint8_t reportSecond;
    uint8_t positionAccuracy;
    char channel;
};
static_assert(sizeof(AisDynamicBlock) == 32);

struct AisStaticBlock {  // the stored AIS static record from its MMSI on
    uint32_t mmsi;
    uint32_t imoNumber;
    char callSign[8];
    char name[21];
    char destination[21];
    uint8_t shipType;
    uint8_t etaMonth;
    uint8_t etaDay;
    uint8_t etaHour;
    uint8_t etaMinute;
    uint8_t reserved1;
    uint16_t dimensionA;  // metres from the reference point to bow
    uint16_t dimensionB;  // to stern
    uint8_t dimensionC;   // to port
    uint8_t dimensionD;   // to starboard
    uint8_t draughtDecimetres;
    uint8_t storedMarker;  // 99 once the block was stored
    uint32_t storedTime;
    uint8_t dteFlag;
    uint8_t reserved2;
};
static_assert(sizeof(AisStaticBlock) == 78);

struct TargetRecord {
    static constexpr int TrackPoints = 120;

    uint32_t reportTime;
    int32_t guardZones[2];
    uint8_t reserved0[948];
    uint16_t cogHistory[TrackPoints];  // course x 10
    uint16_t sogHistory[TrackPoints];  // speed x 10
    uint32_t timeHistory[TrackPoints];
    uint8_t reserved1[4];
    int32_t track[TrackPoints][2];  // chart x, y
    uint8_t reserved2[8];
    int32_t previousX, previousY;
    int32_t positionX, positionY;
    int32_t screenX, screenY;
    int16_t count;
    uint8_t reserved3[4];
    int32_t id;  // -1 free
    uint8_t colour;
    uint8_t trackMode;
    uint8_t reserved4[2];
    int32_t lostCount;  // the age: seconds since the last report; 61 when reported lost
    uint8_t staticLookupPending;  // 1 while the static data of an MMSI are still to be stored
    uint8_t staticParts;
    int32_t aux;  // pending-event word, cleared when allocated
    uint8_t reserved6[4];
    float distance;
    float bearing;
    float speed;
    float course;
    float tcpa;
    float cpa;
    char status;
    uint8_t kind;
    char label[30];
    uint8_t reserved7[4];
    AisDynamicBlock dynamic;
    AisStaticBlock staticData;
};
static_assert(sizeof(TargetRecord) == 3114);
static_assert(offsetof(TargetRecord, reportTime) == 0);
static_assert(offsetof(TargetRecord, guardZones) == 4);
static_assert(offsetof(TargetRecord, id) == 2922);
static_assert(offsetof(TargetRecord, staticParts) == 2935);
static_assert(offsetof(TargetRecord, dynamic) == 3004);
static_assert(offsetof(AisStaticBlock, storedMarker) == 71);

#pragma pack(pop)
