// Opening, reopening and clearing the user database on real files.

#include "UserDatabaseFixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

using namespace platform::isam;

namespace {

std::set<std::string> FilesIn(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

std::string Contents(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Bytes 1, 2, ... 255, 1, 2, ...: no zero, so a cut or a shift shows.
void FillPattern(std::span<std::byte> bytes, int seed)
{
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = std::byte(1 + (i + static_cast<size_t>(seed)) % 255);
}

}  // namespace

TEST_F(UserDatabaseTest, FirstStartCreatesEmptyFileSetsSilentlyUnderTheirOneSpelling)
{
    open();
    for (const UserKey key : {IdTypeKey, PointKey, InfoKey, SeabedKey, AisMmsiKey})
        EXPECT_EQ(countRecords(key), 0) << key;
    EXPECT_EQ(UserIsam.fileMode(IdFile), FileMode::Exclusive | FileMode::WriteThrough);

    CloseUserDatabase();
    EXPECT_EQ(FilesIn(location.objectFolder),
              (std::set<std::string>{"id.dat", "id.idx", "info.dat", "info.idx", "point.dat",
                                     "point.idx"}));
    EXPECT_EQ(FilesIn(location.seabedFolder), (std::set<std::string>{"seadpt.dat", "seadpt.idx"}));
    EXPECT_EQ(FilesIn(location.aisFolder), (std::set<std::string>{"aisinfo.dat", "aisinfo.idx"}));
}

TEST_F(UserDatabaseTest, ShareSwitchesChooseTheModesAndAReopenKeepsThem)
{
    location.sharedObjects = true;
    location.sharedAis = true;
    open();
    const uint16_t exclusive = FileMode::Exclusive | FileMode::WriteThrough;
    const std::vector<std::pair<UserDataFile, uint16_t>> expected{
        {IdFile, FileMode::Shared},
        {PointFile, FileMode::Shared},
        {InfoFile, FileMode::Shared | FileMode::VariableLength},
        {SeabedFile, exclusive | FileMode::VariableLength},
        {AisFile, FileMode::Shared},
    };
    for (const auto& [file, mode] : expected)
        EXPECT_EQ(UserIsam.fileMode(file), mode) << file;

    ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(Object(ObjectType::ROUTE, 1))), Status::Ok);
    CloseUserDatabase();
    ASSERT_TRUE(OpenUserDatabase());
    for (const auto& [file, mode] : expected)
        EXPECT_EQ(UserIsam.fileMode(file), mode) << file;
    EXPECT_EQ(countRecords(IdTypeKey), 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(UserDatabaseTest, MissingIndexFilesAreRebuiltFromTheDataFiles)
{
    open();
    ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(Object(ObjectType::TRACK, 1001))), Status::Ok);
    PointRecord point;
    point.id = 1001;
    for (uint16_t sequence = 1; sequence <= 3; ++sequence) {
        point.sequence = sequence;
        ASSERT_EQ(UserIsam.addRecord(PointFile, bytesOf(point)), Status::Ok);
    }
    CloseUserDatabase();
    for (const char* index : {"id.idx", "point.idx"})
        ASSERT_TRUE(std::filesystem::remove(location.objectFolder / index));

    open();
    EXPECT_EQ(countRecords(IdNumberKey), 1);
    EXPECT_EQ(countRecords(PointKey), 3);
    EXPECT_TRUE(std::filesystem::exists(location.objectFolder / "id.idx"));
}

TEST_F(UserDatabaseTest, RecordsReadBackByteIdentical)
{
    open();
    IdRecord object = Object(ObjectType::SYMBOL, 20001, -33 * PositionUnitsPerDegree, 151);
    object.time = 0xF0000001u;  // above the signed range
    object.colour = 7;
    object.value = 0xFFFF;
    object.pointCount = 12;
    SetFixedText(object.name, "Harbour entrance");
    PointRecord point;
    point.id = 20001;
    point.sequence = 1;
    point.latitude = -1;
    point.longitude = INT32_MIN;
    point.time = 0xFFFFFFFFu;
    for (int word = 0; word < 9; ++word)
        point.attributes[word] = static_cast<uint16_t>(0x8000 + word);
    AisStaticRecord ais;
    FillPattern(bytesOf(ais), 3);
    ais.mmsi = 211234560;
    auto info = std::make_unique<InfoRecord>();
    FillPattern(bytesOf(*info), 5);
    info->keyId = 20001;
    info->kind = 0;
    auto seabed = std::make_unique<SeabedRecord>();
    FillPattern(bytesOf(*seabed), 7);
    seabed->tileRow = -12;
    seabed->tileColumn = 345;

    ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(object)), Status::Ok);
    ASSERT_EQ(UserIsam.addRecord(PointFile, bytesOf(point)), Status::Ok);
    ASSERT_EQ(UserIsam.addRecord(AisFile, bytesOf(ais)), Status::Ok);
    ASSERT_EQ(UserIsam.addRecord(InfoFile, bytesOf(*info)), Status::Ok);
    ASSERT_EQ(UserIsam.addRecord(SeabedFile, bytesOf(*seabed)), Status::Ok);
    CloseUserDatabase();
    open();

    // Each record read through a key of its own, into a buffer of its exact size.
    auto readBack = [](UserKey key, UserDataFile file, std::span<const std::byte> stored) {
        std::vector<std::byte> buffer(stored.size());
        EXPECT_EQ(UserIsam.readEqual(key, UserKeyValue(key, stored), buffer), Status::Ok) << key;
        EXPECT_EQ(UserIsam.currentRecordLength(file), stored.size()) << key;
        EXPECT_TRUE(std::ranges::equal(buffer, stored)) << key;
    };
    readBack(IdPositionKey, IdFile, bytesOf(object));
    readBack(PointKey, PointFile, bytesOf(point));
    readBack(AisMmsiKey, AisFile, bytesOf(ais));
    readBack(InfoKey, InfoFile, bytesOf(*info));
    readBack(SeabedKey, SeabedFile, bytesOf(*seabed));
}

TEST_F(UserDatabaseTest, DataFileHeldByAnotherStationIsNotReplaced)
{
    open();
    ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(Object(ObjectType::TRACK, 1001))), Status::Ok);
    CloseUserDatabase();

    IsamLibrary otherStation;
    ASSERT_EQ(otherStation.start(UserFileCount), Status::Ok);
    ASSERT_EQ(otherStation.openFileSet(UserFileSets(location).front().definition), Status::Ok);
    EXPECT_FALSE(OpenUserDatabase(location));
    EXPECT_EQ(messages,
              (std::vector<ShownMessage>{{"id ReOpen", int32_t(Status::FileLocked), 0x10}}));
    EXPECT_FALSE(UserIsam.fileMode(PointFile).has_value()) << "no set opened after a stop";

    otherStation.stop();
    messages.clear();
    open();
    EXPECT_EQ(countRecords(IdNumberKey), 1);
}

TEST_F(UserDatabaseTest, DataFileThatIsNoFileSetIsNotReplaced)
{
    const std::string foreign = "a document saved under the wrong name\n";
    std::ofstream(location.objectFolder / "id.dat", std::ios::binary) << foreign;

    EXPECT_FALSE(OpenUserDatabase(location));
    EXPECT_EQ(messages,
              (std::vector<ShownMessage>{{"id ReOpen", int32_t(Status::NotAFileSet), 0x10}}));
    EXPECT_EQ(Contents(location.objectFolder / "id.dat"), foreign);
}

TEST_F(UserDatabaseTest, FileSetThatCannotBeCreatedStopsTheOpening)
{
    location.objectFolder = folder / "no such folder";
    EXPECT_FALSE(OpenUserDatabase(location));
    EXPECT_EQ(messages,
              (std::vector<ShownMessage>{{"id Create", int32_t(Status::CreateFailed), 0x10}}));
}

TEST_F(UserDatabaseTest, ClearingEmptiesTheObjectFilesAndKeepsSeabedAndAis)
{
    open();
    ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(Object(ObjectType::TRACK, 1001))), Status::Ok);
    PointRecord point;
    point.id = 1001;
    ASSERT_EQ(UserIsam.addRecord(PointFile, bytesOf(point)), Status::Ok);
    InfoRecord info;
    info.keyId = 1001;
    ASSERT_EQ(UserIsam.addRecord(InfoFile, bytesOf(info).first(SetInfoText(info, "buoy"))),
              Status::Ok);
    SeabedRecord& seabed = SeabedBuffer;
    seabed.tileRow = 4;
    ASSERT_EQ(UserIsam.addRecord(SeabedFile, bytesOf(seabed).first(SeabedHeadLength + 6)),
              Status::Ok);
    AisStaticRecord ais;
    ais.mmsi = 244000000;
    ASSERT_EQ(UserIsam.addRecord(AisFile, bytesOf(ais)), Status::Ok);

    EXPECT_EQ(ClearObjectFiles(), Status::Ok);
    EXPECT_EQ(countRecords(IdNumberKey), 0);
    EXPECT_EQ(countRecords(PointKey), 0);
    EXPECT_EQ(countRecords(InfoKey), 0);
    EXPECT_EQ(countRecords(SeabedKey), 1);
    EXPECT_EQ(countRecords(AisMmsiKey), 1);
    // Emptied, open and in their mode.
    EXPECT_EQ(UserIsam.fileMode(IdFile), FileMode::Exclusive | FileMode::WriteThrough);
    EXPECT_EQ(UserIsam.addRecord(IdFile, bytesOf(Object(ObjectType::TRACK, 1001))), Status::Ok);
    EXPECT_TRUE(failures.empty());
}

TEST_F(UserDatabaseTest, ClearingStopsAtAFileInUseElsewhereAndKeepsTheObjects)
{
    location.sharedObjects = true;
    open();
    ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(Object(ObjectType::TRACK, 1001))), Status::Ok);
    PointRecord point;
    point.id = 1001;
    ASSERT_EQ(UserIsam.addRecord(PointFile, bytesOf(point)), Status::Ok);

    IsamLibrary otherStation;
    ASSERT_EQ(otherStation.start(UserFileCount), Status::Ok);
    ASSERT_EQ(otherStation.openFileSet(UserFileSets(location)[1].definition), Status::Ok);

    EXPECT_EQ(ClearObjectFiles(), Status::FileLocked);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].file, PointFile);
    EXPECT_EQ(failures[0].status, Status::FileLocked);
    EXPECT_EQ(RecordFailureCount(), 1);
    // Nothing was emptied, and the point file is open again.
    EXPECT_EQ(countRecords(IdNumberKey), 1);
    EXPECT_EQ(countRecords(PointKey), 1);
    point.sequence = 2;
    EXPECT_EQ(UserIsam.addRecord(PointFile, bytesOf(point)), Status::Ok);
}
