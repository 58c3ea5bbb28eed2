// The five file sets of the user-object database with their records and keys: id, point, info,
// seabed and ais5, data file numbers 0, 4, 6, 8 and 10.

#include "platform/isam/IsamLibrary.h"
#include "platform/system/TempFolder.h"
#include "userdata/UserRecords.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace platform::isam;

namespace {

constexpr int IdFile = 0, PointFile = 4, InfoFile = 6, SeabedFile = 8, AisFile = 10;
constexpr uint32_t InfoHead = 8, InfoMaximum = 4808, SeabedHead = 6, SeabedMaximum = 393222;
constexpr int32_t Degree = 600000;
constexpr int16_t Track = 1, Route = 2;

KeySegment Integer(uint32_t offset, uint32_t length)
{
    return {offset, length, SegmentKind::SignedInteger};
}

KeySegment Text(uint32_t offset, uint32_t length)
{
    return {offset, length, SegmentKind::UpperCaseText};
}

std::vector<FileDefinition> UserObjectDefinitions(const std::filesystem::path& folder)
{
    const uint16_t exclusive = FileMode::Exclusive | FileMode::WriteThrough;
    const uint16_t shared = FileMode::Shared;
    return {
        {IdFile, folder / "id", sizeof(IdRecord), exclusive,
         {{1, false, {Integer(2, 2), Integer(4, 4)}},
          {2, false, {Integer(2, 2), Integer(8, 4), Integer(12, 4)}},
          {3, false, {Integer(4, 4)}}}},
        {PointFile, folder / "point", sizeof(PointRecord), exclusive,
         {{5, false, {Integer(2, 4), Integer(6, 2)}}}},
        {InfoFile, folder / "info", InfoHead, exclusive | FileMode::VariableLength,
         {{7, false, {Integer(2, 4), Integer(6, 2)}}}},
        {SeabedFile, folder / "seadpt", SeabedHead, shared | FileMode::VariableLength,
         {{9, false, {Integer(2, 2), Integer(4, 2)}}}},
        {AisFile, folder / "aisinfo", sizeof(AisStaticRecord), shared,
         {{11, true, {Text(18, 12)}},
          {12, false, {Integer(2, 4)}},
          {13, true, {Integer(6, 4)}},
          {14, true, {Text(10, 8)}}}},
    };
}

// Packs values of the given sizes as a key value and prepares it for the key.
class KeyBuilder {
public:
    template <typename T>
    KeyBuilder& operator<<(T value)
    {
        const auto* bytes = reinterpret_cast<const std::byte*>(&value);
        value_.insert(value_.end(), bytes, bytes + sizeof value);
        return *this;
    }
    KeyBuilder& text(const char* text, size_t length)
    {
        std::vector<std::byte> bytes(length);
        std::memcpy(bytes.data(), text, std::min(length, std::strlen(text)));
        value_.insert(value_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    std::vector<std::byte> preparedFor(IsamLibrary& isam, int keyNumber)
    {
        EXPECT_EQ(isam.prepareKeyValue(keyNumber, value_), Status::Ok);
        return value_;
    }

private:
    std::vector<std::byte> value_;
};

class UserObjectFileSetsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(isam.start(15), Status::Ok);
        for (const FileDefinition& definition : UserObjectDefinitions(folder.path())) {
            ASSERT_EQ(isam.createFileSet(definition), Status::Ok) << definition.path;
            EXPECT_EQ(isam.fileMode(definition.dataFileNumber), definition.mode);
        }
    }

    Status addObject(int16_t type, int32_t id, int32_t latitude, int32_t longitude)
    {
        IdRecord record;
        record.objectType = ObjectType(type);
        record.id = id;
        record.latitude = latitude;
        record.longitude = longitude;
        return isam.addRecord(IdFile, bytesOf(record));
    }

    Status addStation(uint32_t mmsi, uint32_t imo, const char* callSign, const char* name)
    {
        AisStaticRecord record;
        record.mmsi = mmsi;
        record.imo = imo;
        std::strncpy(record.callSign, callSign, sizeof record.callSign - 1);
        std::strncpy(record.name, name, sizeof record.name - 1);
        return isam.addRecord(AisFile, bytesOf(record));
    }

    TempFolder folder;
    IsamLibrary isam;
};

TEST_F(UserObjectFileSetsTest, IdKeysOrderSouthernLatitudesFirstAndHoldOneObjectPerPosition)
{
    for (const auto& [id, latitude] : std::vector<std::pair<int32_t, int32_t>>{
             {1001, 10 * Degree}, {1002, -30 * Degree}, {1003, 0}, {1004, -Degree / 2}})
        ASSERT_EQ(addObject(Track, id, latitude, 5 * Degree), Status::Ok);
    ASSERT_EQ(addObject(Route, 1, -60 * Degree, 0), Status::Ok);

    // A second track at a taken position goes in one unit of longitude further east.
    EXPECT_EQ(addObject(Track, 1005, 0, 5 * Degree), Status::KeyExists);
    EXPECT_EQ(addObject(Track, 1005, 0, 5 * Degree + 1), Status::Ok);
    EXPECT_EQ(addObject(Route, 1003, 1, 1), Status::KeyExists);  // object ids are unique

    IdRecord record;
    const auto tracksStart = (KeyBuilder() << Track << INT32_MIN << INT32_MIN).preparedFor(isam, 2);
    ASSERT_EQ(isam.readGreaterOrEqual(2, tracksStart, bytesOf(record)), Status::Ok);
    std::vector<int32_t> ids;
    do
        ids.push_back(int32_t{record.id});
    while (isam.readNext(2, bytesOf(record)) == Status::Ok && int16_t(record.objectType) == Track);
    EXPECT_EQ(ids, (std::vector<int32_t>{1002, 1004, 1003, 1005, 1001}));

    ASSERT_EQ(isam.readEqual(1, (KeyBuilder() << Route << int32_t{1}).preparedFor(isam, 1),
                             bytesOf(record)),
              Status::Ok);
    EXPECT_EQ(record.latitude, -60 * Degree);
}

TEST_F(UserObjectFileSetsTest, PointsOfAnObjectComeInSequenceOrder)
{
    for (const int32_t id : {20001, 10001}) {
        for (uint16_t sequence = 1; sequence <= 30; ++sequence) {
            PointRecord point;
            point.id = id;
            point.sequence = static_cast<uint16_t>(31 - sequence);
            point.latitude = -point.sequence * Degree;
            ASSERT_EQ(isam.addRecord(PointFile, bytesOf(point)), Status::Ok);
        }
    }

    BatchRequest request;
    const std::vector<std::byte> key =
        (KeyBuilder() << int32_t{10001} << uint16_t{0}).preparedFor(isam, 5);
    std::copy(key.begin(), key.end(), request.keyValue.begin());
    request.significantBytes = 4;
    std::vector<std::byte> buffer(21000);
    ASSERT_EQ(isam.batchRead(5, request, buffer, BatchMode::Start), Status::Ok);
    ASSERT_EQ(request.returned, 30);
    for (int i = 0; i < 30; ++i) {
        PointRecord point;
        std::memcpy(&point, buffer.data() + i * 42 + 4, sizeof point);
        EXPECT_EQ(int32_t{point.id}, 10001);
        EXPECT_EQ(point.sequence, i + 1);
    }
    EXPECT_EQ(isam.batchRead(5, request, buffer, BatchMode::Cancel), Status::Ok);

    // The last point of an object: less-or-equal on sequence 1000.
    PointRecord last;
    ASSERT_EQ(isam.readLessOrEqual(5, (KeyBuilder() << int32_t{10001} << uint16_t{1000})
                                          .preparedFor(isam, 5),
                                   bytesOf(last)),
              Status::Ok);
    EXPECT_EQ(last.sequence, 30);
}

TEST_F(UserObjectFileSetsTest, TextsAndDepthTilesAreVariableRecordsUpToTheirMaximum)
{
    std::vector<std::byte> text(InfoMaximum, std::byte{'t'});
    std::memset(text.data(), 0, InfoHead);
    const int32_t objectId = 20001;
    std::memcpy(text.data() + 2, &objectId, 4);
    ASSERT_EQ(isam.addRecord(InfoFile, text), Status::Ok);
    std::vector<std::byte> textBuffer(InfoMaximum);
    ASSERT_EQ(isam.readEqual(7, (KeyBuilder() << objectId << uint16_t{0}).preparedFor(isam, 7),
                             textBuffer),
              Status::Ok);
    EXPECT_EQ(isam.currentRecordLength(InfoFile), InfoMaximum);
    EXPECT_EQ(textBuffer, text);

    for (const auto& [row, column] :
         std::vector<std::pair<int16_t, int16_t>>{{2, -1}, {-3, 5}, {-3, -7}}) {
        std::vector<std::byte> tile(SeabedMaximum, std::byte{0x5A});
        std::memset(tile.data(), 0, SeabedHead);
        std::memcpy(tile.data() + 2, &row, 2);
        std::memcpy(tile.data() + 4, &column, 2);
        ASSERT_EQ(isam.addRecord(SeabedFile, tile), Status::Ok);
    }
    // The first tile at or below (row -2, column 0) in key order.
    std::vector<std::byte> tile(SeabedMaximum);
    const auto below = (KeyBuilder() << int16_t{-2} << int16_t{0}).preparedFor(isam, 9);
    ASSERT_EQ(isam.readLessOrEqual(9, below, tile), Status::Ok);
    int16_t column;
    std::memcpy(&column, tile.data() + 4, 2);
    EXPECT_EQ(column, 5);
    EXPECT_EQ(isam.currentRecordLength(SeabedFile), SeabedMaximum);
    EXPECT_EQ(tile.back(), std::byte{0x5A});
    ASSERT_EQ(isam.readPrevious(9, tile), Status::Ok);
    std::memcpy(&column, tile.data() + 4, 2);
    EXPECT_EQ(column, -7);
}

TEST_F(UserObjectFileSetsTest, AisStationsByUpperCasedNameAndCallSignWithDuplicates)
{
    ASSERT_EQ(addStation(219000001, 9000001, "OXAB2", "Nordic Star"), Status::Ok);
    ASSERT_EQ(addStation(257000003, 0, "LAXY", "AURORA"), Status::Ok);
    ASSERT_EQ(addStation(219000002, 9000001, "oxab2", "NORDIC STAR"), Status::Ok);
    EXPECT_EQ(addStation(219000001, 1, "X", "OTHER"), Status::KeyExists);  // MMSI is unique

    AisStaticRecord station;
    ASSERT_EQ(isam.readEqual(11, KeyBuilder().text("nordic star", 12).preparedFor(isam, 11),
                             bytesOf(station)),
              Status::Ok);
    EXPECT_EQ(uint32_t{station.mmsi}, 219000001u);
    ASSERT_EQ(isam.readNext(11, bytesOf(station)), Status::Ok);
    EXPECT_EQ(uint32_t{station.mmsi}, 219000002u);

    ASSERT_EQ(isam.readEqual(14, KeyBuilder().text("Oxab2", 8).preparedFor(isam, 14),
                             bytesOf(station)),
              Status::Ok);
    EXPECT_EQ(uint32_t{station.mmsi}, 219000001u);
    ASSERT_EQ(isam.readEqual(13, (KeyBuilder() << uint32_t{9000001}).preparedFor(isam, 13),
                             bytesOf(station)),
              Status::Ok);
    ASSERT_EQ(isam.readNext(13, bytesOf(station)), Status::Ok);
    EXPECT_EQ(uint32_t{station.mmsi}, 219000002u);

    // Found by MMSI, then stepped in name order.
    ASSERT_EQ(isam.readEqual(12, (KeyBuilder() << uint32_t{219000002}).preparedFor(isam, 12),
                             bytesOf(station)),
              Status::Ok);
    EXPECT_EQ(isam.readNext(11, bytesOf(station)), Status::NoRecord);
    ASSERT_EQ(isam.readPrevious(11, bytesOf(station)), Status::Ok);
    EXPECT_EQ(uint32_t{station.mmsi}, 219000001u);
    ASSERT_EQ(isam.readPrevious(11, bytesOf(station)), Status::Ok);
    EXPECT_EQ(std::string(station.name), "AURORA");
}

}  // namespace
