// Backup, restore and delete on real files: a fixture data set backed up, restored into an empty
// data set and backed up again; damaged archives and dumps; a delete whose safety archive cannot
// be made; the description beside the archive against its golden file.

#include "TransferTestSupport.h"

#include "ObjectFixtures.h"
#include "TimeZone.h"

#include "platform/zip/WorkArchive.h"
#include "userdata/BackupDescription.h"
#include "userdata/ImportList.h"
#include "userdata/ObjectDump.h"

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>

namespace {

using platform::isam::bytesOf;
using platform::isam::Status;
namespace fs = std::filesystem;

constexpr bool Yes = true;
constexpr bool No = false;

PointRecord Point(int32_t id, uint16_t sequence, int32_t latitude, int32_t longitude, uint16_t word = 0)
{
    PointRecord point;
    point.id = id;
    point.sequence = sequence;
    point.latitude = latitude;
    point.longitude = longitude;
    point.time = 1700000000 + sequence;
    for (uint16_t& attribute : point.attributes)
        attribute = word;
    return point;
}

void AddObject(IdRecord object, std::vector<PointRecord> points = {})
{
    ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(object)), Status::Ok);
    for (const PointRecord& point : points)
        ASSERT_EQ(UserIsam.addRecord(PointFile, bytesOf(point)), Status::Ok);
}

IdRecord Fixture(ObjectType type, int32_t id, int32_t latitude, int32_t longitude, const char* name,
                uint16_t pointCount, uint16_t colour = 2)
{
    IdRecord object = StoredObject(type, id, colour, name, 1700000000);
    object.latitude = latitude;
    object.longitude = longitude;
    object.endLatitude = latitude + 600;
    object.endLongitude = longitude + 900;
    object.value = 77;
    object.pointCount = pointCount;
    return object;
}

class BackupTest : public TransferTest {
protected:
    // Every kind of object: a track whose stored count is stale, a route with its defaults, a
    // line, a polygon, a zone, a field, symbols with Windows-1252 names, a text of the maximum
    // length; besides a one-point track and a type-4 object, which are not backed up.
    void storeFixture()
    {
        AddObject(Fixture(ObjectType::TRACK, 1001, 32400000, 6000000, "Spor \xE6\xF8\xE5", 7),
                  {Point(1001, 4, 32400000, 6000000, 5), Point(1001, 9, 32400100, 6000100, 6),
                   Point(1001, 12, 32400200, 6000200, 7)});
        AddObject(Fixture(ObjectType::TRACK, 1002, 32500000, 6000000, "one point", 1),
                  {Point(1002, 1, 32500000, 6000000)});
        IdRecord route = Fixture(ObjectType::ROUTE, 5, 32600000, 6100000, "Route \xC5", 2);
        AddObject(route, {Point(5, 1, 32600000, 6100000, 150), Point(5, 2, 32610000, 6110000, 0)});
        AddObject(Fixture(ObjectType::LINE, 10001, 32700000, 6200000, "line", 2),
                  {Point(10001, 1, 32700000, 6200000), Point(10001, 2, 32710000, 6210000)});
        PointRecord polygon[3] = {Point(10002, 1, 32800000, 6300000), Point(10002, 2, 32810000, 6310000),
                                  Point(10002, 3, 32800000, 6320000)};
        for (PointRecord& point : polygon)
            point.attributes[LinePointWord::Polygon] = LinePointWord::PolygonMark;
        AddObject(Fixture(ObjectType::LINE, 10002, 32800000, 6300000, "polygon", 3), {polygon[0], polygon[1], polygon[2]});
        AddObject(Fixture(ObjectType::ZONE, 10003, 32900000, 6400000, "zone", 0, 7));
        AddObject(Fixture(ObjectType::FIELD, 10004, 33000000, 6500000, "field", 0));
        AddObject(Fixture(ObjectType::SYMBOL, 20001, 33100000, 6600000, "B\xF8je \x80", 12));
        AddObject(Fixture(ObjectType::SYMBOL, 20002, -33100000, -6600000, "", 3, 5));
        AddObject(Fixture(ObjectType(4), 30000, 0, 0, "four", 0));
        StoreText(20001, 0, std::string(InfoTextMaximum, '\xE9'));
        StoreText(5, 0, "route text");
        StoreText(5, 1, "waypoint name, not the object's own text");
    }

    bool backup(const fs::path& archive, bool password = true)
    {
        TransferFile = archive;
        TransferPassword = "S\xF8ren";
        return TransferUserData(No, Yes, password, No, No, Yes, Yes, Yes, Yes, No);
    }
    bool restore(const fs::path& archive, bool password = true)
    {
        TransferFile = archive;
        TransferPassword = "S\xF8ren";
        return TransferUserData(No, No, password, No, No, Yes, Yes, Yes, Yes, No);
    }

    std::vector<DumpEntry> dumpEntries(const fs::path& dump)
    {
        std::vector<DumpEntry> entries;
        EXPECT_EQ(ReadObjectDump(dump, entries), DumpFault::None);
        return entries;
    }

    fs::path workDump() const { return folder / "Temp" / "varnv.dat"; }
};

// The entry as it is apart from the object's id.
std::string WithoutIds(DumpEntry entry)
{
    entry.object.id = 0;
    std::string bytes(reinterpret_cast<const char*>(&entry.object), sizeof entry.object);
    for (PointRecord point : entry.points) {
        point.id = 0;
        bytes.append(reinterpret_cast<const char*>(&point), sizeof point);
    }
    return bytes + entry.text;
}

TEST_F(BackupTest, BackupRestoredIntoAnEmptyDataSetBacksUpTheSame)
{
    storeFixture();
    const fs::path first = folder / "Data" / "first.zip";
    ASSERT_TRUE(backup(first));
    EXPECT_TRUE(boxes.shown.empty());
    const std::vector<DumpEntry> before = dumpEntries(workDump());
    ASSERT_EQ(before.size(), 8u);  // not the one-point track, not type 4

    // The stale count is the true one, the points numbered from 1, the own text only.
    EXPECT_EQ(+before[0].object.pointCount, 3);
    EXPECT_EQ(+before[0].points[2].sequence, 3);
    EXPECT_EQ(+before[0].points[2].attributes[0], 7);
    EXPECT_EQ(before[1].text, "route text");
    EXPECT_EQ(before[4].text.size(), InfoTextMaximum);

    EXPECT_EQ(std::system(("unzip -qq -t -P 'S\xF8ren' " + first.string() + " >/dev/null").c_str()), 0);
    if (std::system("python3 -c pass >/dev/null 2>&1") == 0) {
        const std::string python = "python3 -c \"import os,sys,zipfile; zipfile.ZipFile(sys.argv[1]).read('varnv.dat', "
                                   "pwd=os.fsencode(sys.argv[2]))\" " + first.string() + " 'S\xF8ren'";
        EXPECT_EQ(std::system(python.c_str()), 0);
    }

    CloseUserDatabase();
    UserDatabaseLocation empty = location;
    empty.objectFolder = folder / "Empty";
    fs::create_directories(empty.objectFolder);
    ASSERT_TRUE(OpenUserDatabase(empty));
    ASSERT_TRUE(restore(first));
    const fs::path second = folder / "Data" / "second.zip";
    ASSERT_TRUE(backup(second));
    const std::vector<DumpEntry> after = dumpEntries(workDump());
    ASSERT_EQ(after.size(), before.size());
    // New ids of the import range, not always in the order of the old ones.
    std::vector<std::string> beforeBytes;
    std::vector<std::string> afterBytes;
    for (size_t i = 0; i < before.size(); ++i) {
        beforeBytes.push_back(WithoutIds(before[i]));
        afterBytes.push_back(WithoutIds(after[i]));
        EXPECT_GT(after[i].object.id, 100000);
    }
    std::sort(beforeBytes.begin(), beforeBytes.end());
    std::sort(afterBytes.begin(), afterBytes.end());
    EXPECT_TRUE(afterBytes == beforeBytes);

    ASSERT_TRUE(restore(second));
    EXPECT_EQ(countRecords(IdTypeKey), 8);
    EXPECT_EQ(countRecords(PointKey), 10);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(BackupTest, OverwriteIsAskedAndNoAnswerKeepsTheArchive)
{
    storeFixture();
    const fs::path archive = folder / "Data" / "b.ZIP";
    Write(archive, "old");
    boxes.presetAnswers = {platform::MsgAnswer::No};
    EXPECT_FALSE(backup(archive));
    EXPECT_EQ(Read(archive), "old");
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, MessageTexts[22]);
    EXPECT_EQ(boxes.shown[0].caption, "Varnik Backup");
    EXPECT_EQ(boxes.shown[0].buttons, platform::MsgButtons::YesNo);

    boxes.presetAnswers = {platform::MsgAnswer::Yes};
    EXPECT_TRUE(backup(archive));
    EXPECT_NE(Read(archive), "old");
    // Without any kind, or with a name that is no archive, nothing is done.
    TransferFile = folder / "Data" / "c.lst";
    EXPECT_FALSE(TransferUserData(No, Yes, No, No, No, Yes, No, No, No, No));
    EXPECT_FALSE(TransferUserData(No, Yes, No, No, No, No, No, No, No, No));
    EXPECT_FALSE(fs::exists(folder / "Data" / "c.lst"));
}

TEST_F(BackupTest, AreaAcrossTheDateLineAndTheFromDateChooseTheObjects)
{
    storeFixture();
    AddObject(Fixture(ObjectType::SYMBOL, 20003, 600000, 179 * 600000, "east", 1));
    AddObject(Fixture(ObjectType::SYMBOL, 20004, 600000, -179 * 600000, "west", 1));
    IdRecord early = Fixture(ObjectType::SYMBOL, 20005, 600000, 0, "early", 1);
    early.time = 1000;
    AddObject(early);
    TransferArea.south = 0;
    TransferArea.north = 2 * 600000;
    TransferArea.west = 178 * 600000;
    TransferArea.east = -178 * 600000;
    TransferFile = folder / "Data" / "area.zip";
    ASSERT_TRUE(TransferUserData(No, Yes, No, No, Yes, Yes, Yes, Yes, Yes, No));
    std::vector<std::string> names;
    for (const DumpEntry& entry : dumpEntries(workDump()))
        names.push_back(FixedText(entry.object.name));
    EXPECT_EQ(names, (std::vector<std::string>{"east", "west"}));

    TransferArea = {};
    TransferFromTime = 2000;
    TransferFile = folder / "Data" / "after.zip";
    ASSERT_TRUE(TransferUserData(No, Yes, No, No, No, No, No, Yes, No, No));
    names.clear();
    for (const DumpEntry& entry : dumpEntries(workDump()))
        names.push_back(FixedText(entry.object.name));
    EXPECT_EQ(names.size(), 4u);
    EXPECT_EQ(std::count(names.begin(), names.end(), "early"), 0);
    // A backup never deletes, not even objects of an unknown type.
    EXPECT_EQ(countRecords(IdTypeKey), 13);
}

// A dump with one symbol, changed by `damage`.
std::string SymbolDump(const std::function<void(IdRecord&, std::string&)>& damage)
{
    IdRecord object = Fixture(ObjectType::SYMBOL, 20001, 33100000, 6600000, "new", 3);
    std::string text = "text";
    damage(object, text);
    uint16_t length = uint16_t(text.size());
    std::string bytes(reinterpret_cast<const char*>(&object), sizeof object);
    bytes.append(reinterpret_cast<const char*>(&length), sizeof length);
    return bytes + text;
}

TEST_F(BackupTest, DamagedInputSaysSoAndLeavesTheDataSetAsItWas)
{
    storeFixture();
    const fs::path good = folder / "Data" / "good.zip";
    ASSERT_TRUE(backup(good));
    const std::string archive = Read(good);
    const std::string dump = Read(workDump());
    std::string flipped = archive;
    flipped[archive.size() / 3] = char(flipped[archive.size() / 3] ^ 0x01);

    // An archive made of a dump by another program: no password.
    const auto packed = [&](const std::string& bytes) {
        const fs::path work = folder / "work" / "varnv.dat";
        fs::create_directories(work.parent_path());
        Write(work, bytes);
        const fs::path made = folder / "work" / "made.zip";
        EXPECT_EQ(platform::zip::PackWorkFile(made, work, ""), 0);
        return Read(made);
    };
    fs::create_directories(folder / "foreign");
    Write(folder / "foreign" / "notes.txt", "no dump here");
    ASSERT_EQ(std::system(("cd " + (folder / "foreign").string() + " && zip -q f.zip notes.txt").c_str()), 0);

    struct Case {
        const char* name;
        std::string archive;
        bool password;
        std::string caption;
    };
    const std::vector<Case> cases = {
        {"truncated archive", archive.substr(0, archive.size() - 30), true, "VARNV.DAT"},
        {"flipped byte", flipped, true, "VARNV.DAT"},
        {"wrong password", archive, false, "VARNV.DAT"},
        {"no varnv.dat", Read(folder / "foreign" / "f.zip"), false, "VARNV.DAT"},
        {"foreign content", packed("PK this is a text file, no dump at all........................."), false,
         "Check file !"},
        {"dump cut inside a record", packed(dump.substr(0, dump.size() - 100)), false, "Check file !"},
        {"bad type", packed(SymbolDump([](IdRecord& o, std::string&) { o.objectType = ObjectType(9); })), false,
         "Check file !"},
        {"latitude beyond the pole",
         packed(SymbolDump([](IdRecord& o, std::string&) { o.latitude = 91 * 600000; })), false, "Check file !"},
        {"text of 4801", packed(SymbolDump([](IdRecord&, std::string& t) { t.assign(4801, 'x'); })), false,
         "varnv.dat"},
    };
    const auto stored = dataSetBytes();
    const fs::path damaged = folder / "Data" / "damaged.zip";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write(damaged, c.archive);
        boxes.shown.clear();
        EXPECT_FALSE(restore(damaged, c.password));
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].caption, c.caption);
        EXPECT_EQ(boxes.shown[0].icon, platform::MsgIcon::Stop);
        EXPECT_EQ(dataSetBytes(), stored);
    }
    // A name that is neither archive nor list.
    boxes.shown.clear();
    TransferFile = folder / "Data" / "backup.dat";
    EXPECT_FALSE(TransferUserData(No, No, No, No, No, Yes, Yes, Yes, Yes, No));
    EXPECT_EQ(boxes.shown.size(), 1u);
}

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit old_{};
    void (*previous_)(int) = nullptr;
};

TEST_F(BackupTest, DeleteWhoseSafetyArchiveFailsDeletesNothing)
{
    storeFixture();
    const auto stored = dataSetBytes();
    {
        SCOPED_TRACE("file-size limit");
        FileSizeLimit limit(1000);
        EXPECT_FALSE(TransferUserData(Yes, No, No, No, No, Yes, Yes, Yes, Yes, No));
    }
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(dataSetBytes(), stored);
    {
        SCOPED_TRACE("Temp is no folder");
        fs::remove_all(folder / "Temp");
        Write(folder / "Temp", "a file");
        boxes.shown.clear();
        EXPECT_FALSE(TransferUserData(Yes, No, No, No, No, Yes, Yes, Yes, Yes, No));
        EXPECT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(dataSetBytes(), stored);
        fs::remove(folder / "Temp");
    }
    EXPECT_FALSE(fs::exists(DeletedArchive()));
}

TEST_F(BackupTest, DeleteKeepsTheEarlierSafetyArchiveAndCanBeRestored)
{
    storeFixture();
    Write(DeletedArchive(), "earlier safety archive");
    Write(DescriptionFile(DeletedArchive()), "earlier description");
    TransferPassword = "never used for a delete";
    ASSERT_TRUE(TransferUserData(Yes, No, Yes, No, No, No, No, Yes, No, No));
    EXPECT_TRUE(boxes.shown.empty());
    IdRecord symbol = Fixture(ObjectType::SYMBOL, 20001, 0, 0, "", 0);
    EXPECT_EQ(UserIsam.readEqual(IdNumberKey, UserKeyValue(IdNumberKey, bytesOf(symbol)), bytesOf(symbol)),
              Status::NoRecord);
    EXPECT_EQ(countRecords(IdTypeKey), 8);  // the two symbols went

    std::vector<std::string> kept;
    for (const auto& entry : fs::directory_iterator(folder / "Data"))
        kept.push_back(Read(entry.path()));
    EXPECT_EQ(std::count(kept.begin(), kept.end(), "earlier safety archive"), 1);
    EXPECT_EQ(std::count(kept.begin(), kept.end(), "earlier description"), 1);
    EXPECT_EQ(kept.size(), 4u);

    ASSERT_TRUE(restore(DeletedArchive(), false));
    EXPECT_EQ(countRecords(IdTypeKey), 10);
}

TEST_F(BackupTest, DescriptionMatchesItsGoldenFile)
{
    TimeZone zone("Europe/Oslo");
    storeFixture();
    ClockSeconds = 1733900000;       // Wednesday, December 11, 2024
    TransferFromTime = 1672531201;   // January 1, 2023
    TransferArea.south = 32000000;
    TransferArea.north = 33500000;
    TransferArea.west = 5000000;
    TransferArea.east = 7000000;
    TransferFile = folder / "Data" / "golden.zip";
    TransferPassword = "secret";
    ASSERT_TRUE(TransferUserData(No, Yes, Yes, No, Yes, Yes, Yes, Yes, Yes, No));
    const std::string written = Read(folder / "Data" / "golden.txt");
    std::string golden = Read(fs::path(VARNIK_FIXTURES_DIR) / "backup" / "description.txt");
    const std::string marker = "<archive>";
    ASSERT_NE(golden.find(marker), std::string::npos);
    golden.replace(golden.find(marker), marker.size(), (folder / "Data" / "golden.zip").string());
    EXPECT_EQ(written, golden + '\0');
    EXPECT_EQ(written.find("secret"), std::string::npos);
    ClockSeconds = 0;
}

}  // namespace

namespace {

TEST(TrackDateRangeTest, DisplayedOnlyWritesTheWindowAndTheColours)
{
    TimeZone zone("Europe/Oslo");
    const int64_t from = *LocalTimeSeconds(2024, 3, 5, 0, 0, 1);
    const int64_t to = *LocalTimeSeconds(2024, 11, 16, 23, 59, 59);
    const int64_t after = *LocalTimeSeconds(2025, 1, 2, 0, 0, 1);
    EXPECT_EQ(WriteTrackDateRange(true, from, to, after, 0b100101), "05/03-2024->16/11-2024+02/01-2025,red,green,black\n");
    EXPECT_EQ(WriteTrackDateRange(true, from, to, after, 0b1000000), "05/03-2024->16/11-2024+02/01-2025\n");
    EXPECT_EQ(WriteTrackDateRange(false, from, to, after, 0b111111), "\n");
}

}  // namespace
