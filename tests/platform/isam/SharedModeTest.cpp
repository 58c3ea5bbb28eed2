// Shared mode across programs: forked processes open one set at once, and the journal mode that
// each kind of opener leaves in the files.

#include "SampleFileSet.h"

#include "platform/isam/Sqlite.h"

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <memory>

using namespace platform::isam;

namespace {

// A forked child that reports numbers to the test and waits for its go-ahead between steps.
class ChildProcess {
public:
    // Runs body in a child process, which exits with body's result.
    explicit ChildProcess(const std::function<int(ChildProcess&)>& body)
    {
        if (pipe(toParent_) != 0 || pipe(toChild_) != 0)
            return;
        pid_ = fork();
        if (pid_ == 0) {
            close(toParent_[0]);
            close(toChild_[1]);
            _exit(body(*this));
        }
        close(toParent_[1]);
        close(toChild_[0]);
    }
    ~ChildProcess()
    {
        close(toChild_[1]);
        close(toParent_[0]);
        exitCode();
    }
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // In the test: the child's next report, -1 when it sent none.
    int32_t nextReport()
    {
        int32_t value = -1;
        return read(toParent_[0], &value, sizeof value) == sizeof value ? value : -1;
    }
    // In the test: lets the child go on past one awaitGo.
    void go() { EXPECT_EQ(write(toChild_[1], "g", 1), 1); }
    // In the test: waits for the child's end; its exit code, or -1 when it did not exit.
    int exitCode()
    {
        int status = 0;
        if (pid_ > 0 && waitpid(pid_, &status, 0) == pid_)
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        pid_ = -1;
        return exitCode_;
    }

    // In the child.
    void report(int32_t value)
    {
        if (write(toParent_[1], &value, sizeof value) != sizeof value)
            _exit(100);
    }
    void awaitGo()
    {
        char go;
        if (read(toChild_[0], &go, 1) != 1)
            _exit(101);
    }

private:
    int toParent_[2] = {-1, -1};
    int toChild_[2] = {-1, -1};
    pid_t pid_ = -1;
    int exitCode_ = -1;
};

std::vector<std::byte> PreparedIdKey(IsamLibrary& isam, int32_t id, int16_t sequence)
{
    std::vector<std::byte> value(6);
    std::memcpy(value.data(), &id, 4);
    std::memcpy(value.data() + 4, &sequence, 2);
    isam.prepareKeyValue(ByIdKey, value);
    return value;
}

constexpr int16_t Stations = 2;
constexpr int32_t AddsPerStation = 50;
constexpr int32_t ClaimedIds = 1000000;  // ids every station tries to add: ClaimedIds + i

// A station sharing the set: adds its own records (i, station) and tries to claim every id
// ClaimedIds + i, reports the claims it won, then checks that it sees every station's records.
int Station(const FileDefinition& definition, int16_t station, ChildProcess& self)
{
    IsamLibrary isam;
    if (isam.start(15) != Status::Ok || isam.openFileSet(definition) != Status::Ok)
        return 2;
    self.report(0);
    self.awaitGo();
    int32_t won = 0;
    for (int32_t i = 0; i < AddsPerStation; ++i) {
        if (isam.addRecord(SampleFile, bytesOf(MakeSample(i, station))) != Status::Ok)
            return 3;
        const Status claim = isam.addRecord(SampleFile, bytesOf(MakeSample(ClaimedIds + i, 0)));
        if (claim == Status::Ok)
            ++won;
        else if (claim != Status::KeyExists)
            return 4;
    }
    self.report(won);
    self.awaitGo();
    for (int16_t other = 1; other <= Stations; ++other) {
        for (int32_t i = 0; i < AddsPerStation; ++i) {
            if (isam.keyPresent(ByIdKey, PreparedIdKey(isam, i, other)) == 0
                || isam.keyPresent(ByIdKey, PreparedIdKey(isam, ClaimedIds + i, 0)) == 0)
                return 5;
        }
    }
    return isam.closeFileSet(SampleFile) == Status::Ok ? 0 : 6;
}

// The journal mode a database file is in, as another connection sees it.
std::string JournalMode(const std::filesystem::path& path)
{
    SqliteConnection db;
    SqliteStatement mode;
    if (db.open(path, SQLITE_OPEN_READWRITE) != SQLITE_OK
        || db.exec("SELECT count(*) FROM sqlite_master") != SQLITE_OK
        || mode.prepare(db.handle(), "PRAGMA journal_mode") != SQLITE_OK
        || mode.step() != SQLITE_ROW)
        return "unreadable";
    const std::span<const std::byte> text = mode.columnBlob(0);
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

using SharedModeTest = SampleFileSetTest;

TEST_F(SharedModeTest, StationsAddingAtOnceSeeEachOthersRecordsAndNeverGetOneKeyTwice)
{
    createWith({}, FileMode::Shared);
    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);

    std::vector<std::unique_ptr<ChildProcess>> stations;
    for (int16_t station = 1; station <= Stations; ++station)
        stations.push_back(std::make_unique<ChildProcess>([&, station](ChildProcess& self) {
            return Station(definition(FileMode::Shared), station, self);
        }));
    for (const auto& station : stations)
        ASSERT_EQ(station->nextReport(), 0) << "a station could not open the set";
    for (const auto& station : stations)
        station->go();
    int32_t claimsWon = 0;
    for (const auto& station : stations)
        claimsWon += station->nextReport();
    for (const auto& station : stations)
        station->go();
    for (const auto& station : stations)
        EXPECT_EQ(station->exitCode(), 0);
    EXPECT_EQ(claimsWon, AddsPerStation);

    ASSERT_EQ(isam.openFileSet(definition(FileMode::Shared)), Status::Ok);
    const size_t records = static_cast<size_t>((Stations + 1) * AddsPerStation);
    EXPECT_EQ(walk(ByIdKey).size(), records);
    std::set<int32_t> positions;
    for (int32_t i = 0; i < AddsPerStation; ++i) {
        for (int16_t station = 1; station <= Stations; ++station)
            positions.insert(isam.keyPresent(ByIdKey, idKey(i, station)));
        positions.insert(isam.keyPresent(ByIdKey, idKey(ClaimedIds + i, 0)));
    }
    positions.erase(0);
    EXPECT_EQ(positions.size(), records);
}

TEST_F(SharedModeTest, SharedOpenersUseTheRollbackJournalAndExclusiveOnesWal)
{
    const std::filesystem::path dataWal = folder / "sample.dat-wal";
    int32_t next = 1;
    createWith({MakeSample(next++, 0)}, FileMode::Exclusive | FileMode::WriteThrough);
    EXPECT_TRUE(std::filesystem::exists(dataWal));
    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);

    // Twice each way: shared after exclusive, exclusive after shared.
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE(round);
        ASSERT_EQ(isam.openFileSet(definition(FileMode::Shared)), Status::Ok);
        ASSERT_EQ(isam.addRecord(SampleFile, bytesOf(MakeSample(next++, 0))), Status::Ok);
        EXPECT_EQ(FilesIn(folder.path()),
                  (std::set<std::string>{"sample.dat", "sample.idx", "sample.lck"}));
        EXPECT_EQ(JournalMode(folder / "sample.dat"), "delete");
        EXPECT_EQ(JournalMode(folder / "sample.idx"), "delete");
        ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);
        EXPECT_EQ(FilesIn(folder.path()), (std::set<std::string>{"sample.dat", "sample.idx"}));

        ASSERT_EQ(isam.openFileSet(definition(FileMode::Exclusive)), Status::Ok);
        ASSERT_EQ(isam.addRecord(SampleFile, bytesOf(MakeSample(next++, 0))), Status::Ok);
        EXPECT_TRUE(std::filesystem::exists(dataWal));
        EXPECT_EQ(walk(ByIdKey).size(), static_cast<size_t>(next - 1));
        ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);
    }
}

TEST_F(SharedModeTest, ASetOpenInAnotherProgramIsNeitherTakenOverNorSwitched)
{
    struct Case {
        uint16_t holder;
        uint16_t intruder;
    };
    const uint16_t exclusive = FileMode::Exclusive | FileMode::WriteThrough;
    int sets = 0;
    for (const auto& [holder, intruder] : {Case{exclusive, FileMode::Shared},
                                           Case{exclusive, exclusive},
                                           Case{FileMode::Shared, exclusive}}) {
        SCOPED_TRACE(testing::Message() << holder << " held, " << intruder << " tried");
        const std::filesystem::path stem = folder / ("set" + std::to_string(++sets));
        ASSERT_EQ(isam.createFileSet(SampleDefinition(stem, holder)), Status::Ok);
        ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);

        ChildProcess program([&](ChildProcess& self) {
            IsamLibrary held;
            if (held.start(15) != Status::Ok
                || held.openFileSet(SampleDefinition(stem, holder)) != Status::Ok)
                return 2;
            self.report(0);
            self.awaitGo();
            return held.addRecord(SampleFile, bytesOf(MakeSample(7, 0))) == Status::Ok ? 0 : 3;
        });
        ASSERT_EQ(program.nextReport(), 0);
        const std::set<std::string> files = FilesIn(folder.path());
        EXPECT_EQ(isam.openFileSet(SampleDefinition(stem, intruder)), Status::FileLocked);
        EXPECT_EQ(isam.rebuildFileSet(SampleDefinition(stem, intruder)), Status::FileLocked);
        EXPECT_EQ(isam.deleteFileSet(SampleDefinition(stem, intruder)), Status::FileLocked);
        EXPECT_EQ(FilesIn(folder.path()), files);
        program.go();
        ASSERT_EQ(program.exitCode(), 0);

        ASSERT_EQ(isam.openFileSet(SampleDefinition(stem, intruder)), Status::Ok);
        EXPECT_NE(isam.keyPresent(ByIdKey, idKey(7, 0)), 0);
        ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);
    }
}

}  // namespace
