#pragma once
// The replay files: one a day, "yymmdd.rpl" in the replay folder, a sequence of 20-byte
// little-endian records with no header. Once a minute the own ship is recorded and, when their
// number allows, the targets after it, all with that minute of the day. Files are only appended
// to; a clock set back may leave minutes out of order, so a file is always read in sequence.

#include "platform/geodesy/GeoTypes.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#pragma pack(push, 1)
struct ReplayRecord {
    uint16_t minuteOfDay;  // hour x 60 + minute
    uint32_t id;           // ReplayOwnShipId, an ARPA target number, or an AIS MMSI
    int32_t x;             // chart units
    int32_t y;
    uint16_t speedTenths;   // knots x 10
    uint16_t courseTenths;  // degrees x 10
    uint16_t heading;       // own ship: degrees x 10; targets: their heading field as stored
};
#pragma pack(pop)
static_assert(sizeof(ReplayRecord) == 20);
static_assert(std::endian::native == std::endian::little, "replay records are little-endian");

constexpr uint32_t ReplayOwnShipId = 27071947;
// Ids from here on are AIS MMSIs; below, ARPA target numbers.
constexpr uint32_t ReplayAisFrom = 99999999;

// "yymmdd.rpl" of a date (year with the century, month 1..12).
std::string ReplayFileName(int32_t year, int32_t month, int32_t day);

// A value x 10 held to the 16-bit field: NaN and below 0 give 0, beyond it 65535.
uint16_t ReplayTenths(float value);

// Reads a replay file record by record from its start.
class ReplayReader {
public:
    ReplayReader() = default;
    ~ReplayReader();
    ReplayReader(const ReplayReader&) = delete;
    ReplayReader& operator=(const ReplayReader&) = delete;

    bool open(const std::filesystem::path& file);
    void close();
    bool isOpen() const { return file_ != nullptr; }
    // The next whole record; false at the end, at a torn tail or an all-zero record.
    bool next(ReplayRecord& record);

private:
    std::FILE* file_ = nullptr;
};
