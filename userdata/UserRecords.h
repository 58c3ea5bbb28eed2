#pragma once
// The stored records of the user-object database, byte for byte as they lie in the files:
// packed, little-endian, each beginning with two reserved zero bytes. Positions are degrees
// times 600000 (north and east positive); times are unsigned seconds since 1970 of the PC clock.
// Fields of a packed record are read and written by value, never bound to a reference.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

enum class ObjectType : int16_t {
    TRACK = 1,
    ROUTE = 2,
    LINE = 3,
    SYMBOL = 5,  // symbols and marks
    ZONE = 6,    // circle of the line tool: centre and a point of its edge
    FIELD = 7,   // rectangle of the line tool: two corners
};

// Codes of the object store's sweeps over the stored objects of a type: 100 x action + type.
// The type alone draws them as its pick mode shows them, with handles; PlainSweep plainly.
constexpr int32_t PickSweep(ObjectType type)
{
    return int32_t(type);
}
constexpr int32_t PlainSweep(ObjectType type)
{
    return 100 + int32_t(type);
}

constexpr int32_t PositionUnitsPerDegree = 600000;

// Highest sequence number of a point: key 5 compares sequences as signed 16-bit numbers, and
// stored files rely on it, so a higher one would sort before the object's first point.
constexpr int32_t MaxPointSequence = 32767;

constexpr uint32_t InfoHeadLength = 8;
constexpr uint32_t InfoTextMaximum = 4800;
constexpr uint32_t SeabedHeadLength = 6;
constexpr uint32_t SeabedCellBytesMaximum = 393216;  // 256 x 256 cells of 6 bytes
constexpr uint8_t AisStoredMarker = 99;

#pragma pack(push, 1)

// One per object (file id).
struct IdRecord {
    uint8_t reserved[2] = {};
    ObjectType objectType{};
    int32_t id = 0;
    int32_t latitude = 0;  // first reference position
    int32_t longitude = 0;
    int32_t endLatitude = 0;  // second reference position; ZONE and FIELD: the opposite corner
    int32_t endLongitude = 0;
    uint32_t time = 0;        // creation or last completion
    uint16_t colour = 0;      // index into the user colours, 1..7
    uint16_t value = 0;       // TRACK: length in 0.1 nm; depth mark: depth in 0.1 m; else 0
    uint16_t pointCount = 0;  // SYMBOL: the icon number
    char name[30] = {};       // NUL-terminated, may be empty
};

// One per point of an object, in sequence order (file point). The meaning of the attribute
// words depends on the object: TrackPointWord, RoutePointWord, LinePointWord.
struct PointRecord {
    uint8_t reserved[2] = {};
    int32_t id = 0;
    uint16_t sequence = 0;
    int32_t latitude = 0;
    int32_t longitude = 0;
    uint32_t time = 0;
    uint16_t attributes[9] = {};
};

// The text of an object, of a route waypoint or an AIS text message (file info, variable
// length). The text carries no terminating NUL: its length is the record length less
// InfoHeadLength, so read it with InfoText, never as a C string.
struct InfoRecord {
    uint8_t reserved[2] = {};
    int32_t keyId = 0;  // the object id; an AIS text message: its time in seconds
    uint16_t kind = 0;  // 0: the object's own text, an AIS message; a waypoint name: its sequence
    char text[InfoTextMaximum] = {};
};

// One depth tile (file seabed, variable length): its cells as the tile store lays them out.
struct SeabedRecord {
    uint8_t reserved[2] = {};
    int16_t tileRow = 0;
    int16_t tileColumn = 0;
    uint8_t cells[SeabedCellBytesMaximum] = {};
};

// The static and voyage data of one AIS station, from AIS message 5 (file ais5).
struct AisStaticRecord {
    uint8_t reserved[2] = {};
    uint32_t mmsi = 0;
    uint32_t imo = 0;
    char callSign[8] = {};      // 7 characters and NUL
    char name[21] = {};         // 20 characters and NUL
    char destination[21] = {};  // 20 characters and NUL
    uint8_t shipType = 0;       // type of ship and cargo
    uint8_t etaMonth = 0;
    uint8_t etaDay = 0;
    uint8_t etaHour = 0;
    uint8_t etaMinute = 0;
    uint8_t zero65 = 0;
    uint16_t toBow = 0;  // metres from the reference point
    uint16_t toStern = 0;
    uint8_t toPort = 0;
    uint8_t toStarboard = 0;
    uint8_t draught = 0;  // 0.1 m
    uint8_t marker = AisStoredMarker;
    uint32_t storedTime = 0;
    uint8_t dataTerminal = 0;  // the message's data-terminal flag
    uint8_t zero79 = 0;
    uint8_t navigationStatus = 0;  // of the target when the record was stored
    uint8_t zero81 = 0;
    uint16_t targetImoLow = 0;  // low 16 bits of the IMO number the target table held
};

#pragma pack(pop)

static_assert(sizeof(IdRecord) == 64);
static_assert(offsetof(IdRecord, objectType) == 2);
static_assert(offsetof(IdRecord, id) == 4);
static_assert(offsetof(IdRecord, latitude) == 8);
static_assert(offsetof(IdRecord, longitude) == 12);
static_assert(offsetof(IdRecord, endLatitude) == 16);
static_assert(offsetof(IdRecord, endLongitude) == 20);
static_assert(offsetof(IdRecord, time) == 24);
static_assert(offsetof(IdRecord, colour) == 28);
static_assert(offsetof(IdRecord, value) == 30);
static_assert(offsetof(IdRecord, pointCount) == 32);
static_assert(offsetof(IdRecord, name) == 34);

static_assert(sizeof(PointRecord) == 38);
static_assert(offsetof(PointRecord, id) == 2);
static_assert(offsetof(PointRecord, sequence) == 6);
static_assert(offsetof(PointRecord, latitude) == 8);
static_assert(offsetof(PointRecord, longitude) == 12);
static_assert(offsetof(PointRecord, time) == 16);
static_assert(offsetof(PointRecord, attributes) == 20);

static_assert(sizeof(InfoRecord) == InfoHeadLength + InfoTextMaximum);
static_assert(offsetof(InfoRecord, keyId) == 2);
static_assert(offsetof(InfoRecord, kind) == 6);
static_assert(offsetof(InfoRecord, text) == InfoHeadLength);

static_assert(sizeof(SeabedRecord) == 393222);
static_assert(offsetof(SeabedRecord, tileRow) == 2);
static_assert(offsetof(SeabedRecord, tileColumn) == 4);
static_assert(offsetof(SeabedRecord, cells) == SeabedHeadLength);

static_assert(sizeof(AisStaticRecord) == 84);
static_assert(offsetof(AisStaticRecord, mmsi) == 2);
static_assert(offsetof(AisStaticRecord, imo) == 6);
static_assert(offsetof(AisStaticRecord, callSign) == 10);
static_assert(offsetof(AisStaticRecord, name) == 18);
static_assert(offsetof(AisStaticRecord, destination) == 39);
static_assert(offsetof(AisStaticRecord, shipType) == 60);
static_assert(offsetof(AisStaticRecord, etaMonth) == 61);
static_assert(offsetof(AisStaticRecord, etaMinute) == 64);
static_assert(offsetof(AisStaticRecord, toBow) == 66);
static_assert(offsetof(AisStaticRecord, toStern) == 68);
static_assert(offsetof(AisStaticRecord, toPort) == 70);
static_assert(offsetof(AisStaticRecord, toStarboard) == 71);
static_assert(offsetof(AisStaticRecord, draught) == 72);
static_assert(offsetof(AisStaticRecord, marker) == 73);
static_assert(offsetof(AisStaticRecord, storedTime) == 74);
static_assert(offsetof(AisStaticRecord, dataTerminal) == 78);
static_assert(offsetof(AisStaticRecord, navigationStatus) == 80);
static_assert(offsetof(AisStaticRecord, targetImoLow) == 82);

// Attribute words of a track point.
namespace TrackPointWord {
inline constexpr int Speed = 0;             // speed over ground, 0.1 kn
inline constexpr int Course = 1;            // course over ground, 0.1 degree
inline constexpr int WaterTemperature = 2;  // 0.01 degree
inline constexpr int Depth = 3;             // 0.1 m
inline constexpr int DepthAgain = 4;        // the same depth
}  // namespace TrackPointWord

// Attribute words of a route point; the first point also carries the route's defaults, and its
// turn radius is the default turn radius.
namespace RoutePointWord {
inline constexpr int Lane = 0;          // 0.01 nm
inline constexpr int SafetyDepth = 1;   // first point: the safety depth in force
inline constexpr int StopMinutes = 2;   // signed
inline constexpr int TurnRadius = 3;    // 0.01 nm
inline constexpr int DangerFlags = 4;   // low byte
inline constexpr int Speed = 5;         // 0.1 kn
inline constexpr int LegKind = 6;       // low byte
inline constexpr int DefaultLane = 7;   // first point, 0.01 nm
inline constexpr int DefaultSpeed = 8;  // first point, 0.1 kn
}  // namespace RoutePointWord

// Attribute word of a line point: PolygonMark in every point of a polygon (drawn closed and
// hatched), else 0.
namespace LinePointWord {
inline constexpr int Polygon = 8;
inline constexpr uint16_t PolygonMark = 9999;
}  // namespace LinePointWord

// A time in seconds since 1970 as records store it: unsigned 32-bit, a time outside that range
// at its nearest end.
uint32_t StoredTime(int64_t seconds);

// Fixed text fields (names, call signs): at most field size - 1 characters go in and the rest
// of the field is zeroed, so the field always holds its NUL. Reading stops at the first NUL or
// at the end of the field, whichever comes first, so a stored field without a NUL is read safely.
void SetFixedText(std::span<char> field, std::string_view text);
std::string FixedText(std::span<const char> field);

// Puts the text into an info record, cut at InfoTextMaximum bytes; returns the record length
// to store (InfoHeadLength + the text's length).
uint32_t SetInfoText(InfoRecord& record, std::string_view text);
// The text of an info record whose stored length is recordLength; a length beyond the buffer
// (a record cut when it was read) gives the text the buffer holds.
std::string InfoText(const InfoRecord& record, uint32_t recordLength);
