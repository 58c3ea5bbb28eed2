// Recording a database track: 10,000 points stored one by one through AddObjectPoint in the
// user database opened as a data set opens it (exclusive, write-through), side by side with the
// same 38-byte records inserted directly into one SQLite table with the same durability: one
// committed transaction a point, WAL, synchronous FULL, a unique index on (id, sequence).
// Goal: the store within 3x of the direct inserts.

#include "bench/DirectPointTable.h"
#include "userdata/PointStore.h"
#include "userdata/UserDatabase.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

using namespace platform::isam;

namespace {

constexpr int TrackPoints = 10000;

void Check(bool ok, const char* what)
{
    if (!ok)
        throw std::runtime_error(what);
}

// A point of a track sailed north-east at about 8 kn, one a second.
PointRecord TrackPoint(int32_t id, int sequence)
{
    PointRecord point;
    point.id = id;
    point.sequence = uint16_t(sequence);
    point.latitude = 32400000 + 2 * sequence;
    point.longitude = 6000000 + 3 * sequence;
    point.time = 1700000000u + uint32_t(sequence);
    point.attributes[0] = 80;
    point.attributes[1] = 450;
    point.attributes[2] = 1250;
    point.attributes[3] = point.attributes[4] = 152;
    return point;
}

std::filesystem::path MakeFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tracks-bench-XXXXXX").string();
    Check(::mkdtemp(pattern.data()) != nullptr, "temporary folder");
    return pattern;
}

class Folder {
public:
    Folder() : path(MakeFolder()) {}
    ~Folder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    const std::filesystem::path path;
};

void StoreThroughAddObjectPoint(benchmark::State& state)
{
    const Folder folder;
    const UserDatabaseLocation location{folder.path / "Data_A", folder.path / "Data_A",
                                        folder.path / "Replay"};
    for (const auto& made : {location.objectFolder, location.aisFolder})
        std::filesystem::create_directories(made);
    Check(OpenUserDatabase(location), "open the user database");
    int32_t track = 1000;
    for (auto _ : state) {
        ++track;
        for (int n = 0; n < TrackPoints; ++n)
            Check(AddObjectPoint(TrackPoint(track, n)) == PointStore::Added, "add a point");
    }
    CloseUserDatabase();
    state.SetItemsProcessed(state.iterations() * TrackPoints);
}

void StoreThroughSqlite(benchmark::State& state)
{
    const Folder folder;
    SqliteConnection db;
    Check(CreateDirectPointTable(db, folder.path / "point.db", "FULL", true), "direct point table");
    SqliteStatement insert;
    Check(insert.prepare(db.handle(), "INSERT INTO point VALUES(?1, ?2, ?3)") == SQLITE_OK,
          "prepare");
    int32_t track = 1000;
    for (auto _ : state) {
        ++track;
        for (int n = 0; n < TrackPoints; ++n) {
            const PointRecord point = TrackPoint(track, n);
            Check(db.exec("BEGIN") == SQLITE_OK, "begin");
            insert.bind(1, int64_t{point.id});
            insert.bind(2, int64_t{point.sequence});
            insert.bind(3, bytesOf(point));
            Check(insert.step() == SQLITE_DONE, "insert");
            insert.reset();
            Check(db.exec("COMMIT") == SQLITE_OK, "commit");
        }
    }
    state.SetItemsProcessed(state.iterations() * TrackPoints);
}

}  // namespace

BENCHMARK(StoreThroughAddObjectPoint)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(StoreThroughSqlite)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
