// Loading a stored track of 10,000 points as the object store reads one to draw, pick or repair
// it (ReadObjectPoints: the batch read of key 5, 500 points a part), against one SQLite select of
// the same 38-byte records by id in sequence order (the point-file benchmarks' direct table), both
// from the files of a data set opened as a data set opens (exclusive, write-through) holding four
// more tracks. Goal: within 2x.
// The files lie in memory where the system has a memory file system, else in the temporary
// folder.

#include "bench/DirectPointTable.h"
#include "userdata/ObjectPoints.h"
#include "userdata/UserDatabase.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

using namespace platform::isam;

namespace {

constexpr int32_t LoadedTrack = 1003;
constexpr int32_t LoadedPoints = 10000;
constexpr int32_t OtherPoints = 2000;  // of each of the other tracks

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "bench_tracks: %s\n", what);
    std::abort();
}

void Require(bool condition, const char* what)
{
    if (!condition)
        Fail(what);
}

PointRecord TrackPoint(int32_t id, uint16_t sequence)
{
    PointRecord point;
    point.id = id;
    point.sequence = sequence;
    point.latitude = 23382000 + sequence * 7;
    point.longitude = -45870000 + sequence * 11;
    point.time = 1700000000u + sequence;
    point.attributes[0] = 65;
    point.attributes[1] = uint16_t(sequence % 3600);
    point.attributes[3] = point.attributes[4] = uint16_t(50 + sequence % 250);
    return point;
}

// The data set, and the same point records in one SQLite table of their own.
class TrackFiles {
public:
    static TrackFiles& instance()
    {
        static TrackFiles files;
        return files;
    }

    SqliteConnection direct;

    ~TrackFiles()
    {
        CloseUserDatabase();
        direct.close();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

private:
    TrackFiles()
    {
        std::error_code error;
        const std::filesystem::path memory = "/dev/shm";
        const std::filesystem::path base =
            std::filesystem::is_directory(memory, error) ? memory : std::filesystem::temp_directory_path();
        folder_ = base / ("bench-tracks-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(folder_);
        Require(OpenUserDatabase({folder_, folder_, folder_}), "the data set did not open");
        Require(CreateDirectPointTable(direct, folder_ / "direct.db", "FULL", true), "the direct table was not made");
        SqliteStatement insert;
        insert.prepare(direct.handle(), "INSERT INTO point VALUES(?1, ?2, ?3)");
        direct.exec("BEGIN");
        for (const int32_t id : {1001, 1002, LoadedTrack, 1004, 1005}) {
            const int32_t count = id == LoadedTrack ? LoadedPoints : OtherPoints;
            for (int32_t s = 0; s < count; ++s) {
                const PointRecord point = TrackPoint(id, uint16_t(s));
                Require(UserIsam.addRecord(PointFile, bytesOf(point)) == Status::Ok, "a point was not stored");
                insert.bind(1, int64_t{id});
                insert.bind(2, int64_t{s});
                insert.bind(3, bytesOf(point));
                Require(insert.step() == SQLITE_DONE, "a direct insert failed");
                insert.reset();
            }
        }
        direct.exec("COMMIT");
    }

    std::filesystem::path folder_;
};

void TrackLoadBatchRead(benchmark::State& state)
{
    TrackFiles::instance();
    std::vector<PointRecord> points;
    for (auto _ : state) {
        if (!ReadObjectPoints(LoadedTrack, points) || points.size() != size_t(LoadedPoints))
            state.SkipWithError("the track was not read whole");
        benchmark::DoNotOptimize(points.data());
    }
    state.counters["points"] = double(points.size());
}
BENCHMARK(TrackLoadBatchRead)->Unit(benchmark::kMillisecond);

void TrackLoadSqliteSelect(benchmark::State& state)
{
    TrackFiles& files = TrackFiles::instance();
    SqliteStatement select;
    select.prepare(files.direct.handle(), "SELECT record FROM point WHERE id = ?1 ORDER BY seq");
    std::vector<PointRecord> points;
    for (auto _ : state) {
        points.clear();
        select.bind(1, int64_t{LoadedTrack});
        while (select.step() == SQLITE_ROW) {
            PointRecord& point = points.emplace_back();
            std::memcpy(&point, select.columnBlob(0).data(), sizeof point);
        }
        select.reset();
        benchmark::DoNotOptimize(points.data());
    }
    if (points.size() != size_t(LoadedPoints))
        state.SkipWithError("the direct select missed points");
    state.counters["points"] = double(points.size());
}
BENCHMARK(TrackLoadSqliteSelect)->Unit(benchmark::kMillisecond);

}  // namespace
