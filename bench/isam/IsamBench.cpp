// The ISAM layer on a point file of 1,000,000 records (10,000 objects of 100 points), side by side
// with the same operations done directly on one SQLite table with an index on (id, sequence).

#include "bench/DirectPointTable.h"
#include "platform/isam/IsamLibrary.h"
#include "platform/isam/Sqlite.h"
#include "userdata/UserRecords.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

using namespace platform::isam;

namespace {

constexpr int PointFile = 4;
constexpr int PointKey = 5;
constexpr int32_t Objects = 10000;
constexpr uint16_t PointsPerObject = 100;
constexpr int CommitEvery = 1000;  // direct inserts per transaction, as the layer gathers them

PointRecord MakePoint(int32_t id, uint16_t sequence)
{
    PointRecord point;
    point.id = id;
    point.sequence = sequence;
    point.latitude = -id * 60;
    point.longitude = sequence * 600;
    point.time = 1700000000u + sequence;
    point.attributes[0] = 123;
    return point;
}

void Check(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(what);
}

// The two files, built once for all benchmarks, in a temporary folder removed at the end.
class PointFiles {
public:
    static PointFiles& instance()
    {
        static PointFiles files;
        return files;
    }

    IsamLibrary isam;
    SqliteConnection direct;
    int32_t nextNewId = Objects + 1;

    FileDefinition definition(uint16_t mode) const
    {
        return {PointFile, folder_ / "point", sizeof(PointRecord), mode,
                {{PointKey, false,
                  {{2, 4, SegmentKind::SignedInteger}, {6, 2, SegmentKind::SignedInteger}}}}};
    }

    // Opens the ISAM set in the mode, closing it first when it is open in another.
    void openIsam(uint16_t mode)
    {
        if (isam.fileMode(PointFile) == mode)
            return;
        isam.closeFileSet(PointFile);
        Check(isam.openFileSet(definition(mode)) == Status::Ok, "open point file");
    }

    ~PointFiles()
    {
        isam.stop();
        direct.close();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

private:
    PointFiles()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "isam-bench-XXXXXX").string();
        Check(::mkdtemp(pattern.data()) != nullptr, "temporary folder");
        folder_ = pattern;
        buildIsam();
        buildDirect();
    }

    void buildIsam()
    {
        Check(isam.start(15) == Status::Ok, "start");
        Check(isam.createFileSet(definition(FileMode::Exclusive)) == Status::Ok, "create");
        for (int32_t id = 1; id <= Objects; ++id) {
            for (uint16_t sequence = 1; sequence <= PointsPerObject; ++sequence)
                Check(isam.addRecord(PointFile, bytesOf(MakePoint(id, sequence))) == Status::Ok,
                      "add");
        }
    }

    void buildDirect()
    {
        Check(CreateDirectPointTable(direct, folder_ / "direct.db", "NORMAL", false),
              "direct point table");
        SqliteStatement insert;
        insert.prepare(direct.handle(), "INSERT INTO point VALUES(?1, ?2, ?3)");
        direct.exec("BEGIN");
        for (int32_t id = 1; id <= Objects; ++id) {
            for (uint16_t sequence = 1; sequence <= PointsPerObject; ++sequence) {
                insert.bind(1, int64_t{id});
                insert.bind(2, int64_t{sequence});
                insert.bind(3, bytesOf(MakePoint(id, sequence)));
                Check(insert.step() == SQLITE_DONE, "direct insert");
                insert.reset();
            }
        }
        direct.exec("COMMIT");
    }

    std::filesystem::path folder_;
};

std::vector<std::pair<int32_t, uint16_t>> RandomKeys()
{
    std::mt19937 generator(42);
    std::uniform_int_distribution<int32_t> object(1, Objects);
    std::uniform_int_distribution<int> sequence(1, PointsPerObject);
    std::vector<std::pair<int32_t, uint16_t>> keys(65536);
    for (auto& key : keys)
        key = {object(generator), static_cast<uint16_t>(sequence(generator))};
    return keys;
}

void IsamReadEqual(benchmark::State& state, uint16_t mode)
{
    PointFiles& files = PointFiles::instance();
    files.openIsam(mode);
    const auto keys = RandomKeys();
    PointRecord point;
    size_t i = 0;
    for (auto _ : state) {
        const auto& [id, sequence] = keys[i++ & 0xFFFF];
        std::byte value[6];
        std::memcpy(value, &id, 4);
        std::memcpy(value + 4, &sequence, 2);
        files.isam.prepareKeyValue(PointKey, value);
        if (files.isam.readEqual(PointKey, value, bytesOf(point)) != Status::Ok)
            state.SkipWithError("point missing");
        benchmark::DoNotOptimize(point);
    }
}

void SqliteReadEqual(benchmark::State& state)
{
    PointFiles& files = PointFiles::instance();
    SqliteStatement select;
    select.prepare(files.direct.handle(), "SELECT record FROM point WHERE id = ?1 AND seq = ?2");
    const auto keys = RandomKeys();
    PointRecord point;
    size_t i = 0;
    for (auto _ : state) {
        const auto& [id, sequence] = keys[i++ & 0xFFFF];
        select.bind(1, int64_t{id});
        select.bind(2, int64_t{sequence});
        if (select.step() != SQLITE_ROW)
            state.SkipWithError("point missing");
        std::memcpy(&point, select.columnBlob(0).data(), sizeof point);
        select.reset();
        benchmark::DoNotOptimize(point);
    }
}

void IsamWalkNext(benchmark::State& state, uint16_t mode)
{
    PointFiles& files = PointFiles::instance();
    files.openIsam(mode);
    PointRecord point;
    files.isam.readFirst(PointKey, bytesOf(point));
    for (auto _ : state) {
        if (files.isam.readNext(PointKey, bytesOf(point)) != Status::Ok)
            files.isam.readFirst(PointKey, bytesOf(point));
        benchmark::DoNotOptimize(point);
    }
}

void SqliteWalkNext(benchmark::State& state)
{
    PointFiles& files = PointFiles::instance();
    SqliteStatement walk;
    walk.prepare(files.direct.handle(), "SELECT record FROM point ORDER BY id, seq");
    PointRecord point;
    for (auto _ : state) {
        if (walk.step() != SQLITE_ROW) {
            walk.reset();
            walk.step();
        }
        std::memcpy(&point, walk.columnBlob(0).data(), sizeof point);
        benchmark::DoNotOptimize(point);
    }
}

// A walk that searches each step anew from the last key, as a reader must that sees other
// programs' commits between its steps (the ISAM layer's shared mode).
void SqliteSeekNext(benchmark::State& state)
{
    PointFiles& files = PointFiles::instance();
    SqliteStatement next;
    next.prepare(files.direct.handle(), "SELECT id, seq, record FROM point"
                                        " WHERE (id, seq) > (?1, ?2) ORDER BY id, seq LIMIT 1");
    int64_t id = 0;
    int64_t sequence = 0;
    PointRecord point;
    for (auto _ : state) {
        next.bind(1, id);
        next.bind(2, sequence);
        if (next.step() == SQLITE_ROW) {
            id = next.columnInteger(0);
            sequence = next.columnInteger(1);
            std::memcpy(&point, next.columnBlob(2).data(), sizeof point);
        } else {
            id = sequence = 0;
        }
        next.reset();
        benchmark::DoNotOptimize(point);
    }
}

void IsamAdd(benchmark::State& state, uint16_t mode)
{
    PointFiles& files = PointFiles::instance();
    files.openIsam(mode);
    const int32_t id = files.nextNewId++;
    uint32_t sequence = 0;
    for (auto _ : state) {
        const PointRecord point = MakePoint(id + static_cast<int32_t>(sequence >> 16),
                                            static_cast<uint16_t>(sequence));
        ++sequence;
        if (files.isam.addRecord(PointFile, bytesOf(point)) != Status::Ok)
            state.SkipWithError("add failed");
    }
    files.nextNewId += static_cast<int32_t>(sequence >> 16) + 1;
}

// Direct inserts, committed every `commitEvery` (1: each its own transaction).
void SqliteAdd(benchmark::State& state, int commitEvery)
{
    PointFiles& files = PointFiles::instance();
    SqliteStatement insert;
    insert.prepare(files.direct.handle(), "INSERT INTO point VALUES(?1, ?2, ?3)");
    const int32_t id = files.nextNewId++;
    uint32_t sequence = 0;
    int pending = 0;
    for (auto _ : state) {
        if (commitEvery > 1 && pending == 0)
            files.direct.exec("BEGIN");
        const int32_t pointId = id + static_cast<int32_t>(sequence >> 16);
        insert.bind(1, int64_t{pointId});
        insert.bind(2, int64_t{static_cast<uint16_t>(sequence)});
        insert.bind(3, bytesOf(MakePoint(pointId, static_cast<uint16_t>(sequence))));
        ++sequence;
        if (insert.step() != SQLITE_DONE)
            state.SkipWithError("insert failed");
        insert.reset();
        if (commitEvery > 1 && ++pending == commitEvery) {
            files.direct.exec("COMMIT");
            pending = 0;
        }
    }
    if (pending > 0)
        files.direct.exec("COMMIT");
    files.nextNewId += static_cast<int32_t>(sequence >> 16) + 1;
}

void IsamRebuild(benchmark::State& state)
{
    PointFiles& files = PointFiles::instance();
    for (auto _ : state) {
        if (files.isam.rebuildFileSet(files.definition(FileMode::Exclusive)) != Status::Ok)
            state.SkipWithError("rebuild failed");
    }
    files.openIsam(FileMode::Exclusive);
}

}  // namespace

BENCHMARK_CAPTURE(IsamReadEqual, exclusive, FileMode::Exclusive);
BENCHMARK_CAPTURE(IsamReadEqual, shared, FileMode::Shared);
BENCHMARK(SqliteReadEqual);
BENCHMARK_CAPTURE(IsamWalkNext, exclusive, FileMode::Exclusive);
BENCHMARK_CAPTURE(IsamWalkNext, shared, FileMode::Shared);
BENCHMARK(SqliteWalkNext);
BENCHMARK(SqliteSeekNext);
BENCHMARK(IsamRebuild)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(IsamAdd, exclusive, FileMode::Exclusive);
BENCHMARK_CAPTURE(SqliteAdd, grouped, CommitEvery);
BENCHMARK_CAPTURE(IsamAdd, shared, FileMode::Shared);
BENCHMARK_CAPTURE(SqliteAdd, each, 1);

BENCHMARK_MAIN();
