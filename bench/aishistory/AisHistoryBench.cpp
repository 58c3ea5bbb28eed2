// The AIS history: replay files and the ais5 file at their largest, in varnikapp started over the
// chart database of bench/chartdraw (StartedChartProgram.h).
// - OpenReplayAtLastMinute: OpenReplay of a day's file at its last minute on the densest day the
//   recorder writes, the own ship and 2,000 targets every minute (2,881,440 records). Peer:
//   ReadReplayToLastMinutePeer, a straightforward loop of 20-byte freads up to that minute.
//   Goal: at most 1.25 times the peer.
// - AisLookUp/<key>, AisStep/<key>: the history dialog's typed look-ups (greater upwards, less
//   downwards) and steps from a record found by MMSI, in the order of each of the four keys, over
//   an ais5 file of 100,000 stations. Peer: AisScanPeer/<key>, the same answers by a plain scan of
//   the same records in a flat file, with the keys prepared as the ISAM layer prepares them (a
//   step scans for the MMSI, then for the record after it). Goal: at least 100 times faster.
// - ReplayStepOfAMinute: PlayReplayStep of a minute of the own ship and 2,000 AIS targets spread
//   over the 1920 x 1080 view, each record applied and the 100 ms tick run after it. Goal: under
//   500 ms, so that x 60 (a minute every second) leaves the program responsive.

#include "../OffscreenWidgetBenchmarks.h"

#include "app/ReplayPlayer.h"
#include "app/TForm1.h"
#include "bench/StartedChartProgram.h"
#include "sensors/OwnShipState.h"
#include "sensors/TargetTable.h"
#include "userdata/AisStaticStore.h"
#include "userdata/ReplayFile.h"

#include <QPushButton>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <random>
#include <vector>

namespace {

using namespace startedchart;
using platform::isam::Status;

constexpr int kStations = 100000;
constexpr int kQueries = 1000;
constexpr size_t kCheckedQueries = 100;
constexpr int kTargets = 2000;
constexpr uint16_t kLastMinute = 1439;
constexpr std::array kKeys{AisNameKey, AisMmsiKey, AisImoKey, AisCallSignKey};

// A typed look-up or a step and its answer.
struct Query {
    UserKey key;
    AisStaticRecord probe;  // typed: the key's value; step: the MMSI to start from
    AisSeekDirection direction;
    bool typed;
};

std::string Bytes(const std::vector<ReplayRecord>& records)
{
    return std::string(reinterpret_cast<const char*>(records.data()), records.size() * sizeof(ReplayRecord));
}

void WriteFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    Require(bool(out), "a bench file was not written");
}

class AisHistoryScene : public StartedChartProgram {
public:
    AisHistoryScene()
    {
        std::filesystem::create_directories(replayFolder());
        WriteDensestDay();
        FillAis5();
        WriteStepMinute();
    }

    std::filesystem::path replayFolder() const { return home_.path() / "bench-replay"; }
    std::filesystem::path densestDay() const { return replayFolder() / "261211.rpl"; }
    std::filesystem::path stepMinute() const { return replayFolder() / "261212.rpl"; }
    std::filesystem::path flatStations() const { return replayFolder() / "stations.bin"; }

    const std::vector<Query>& queries(UserKey key, bool typed) const { return queries_[size_t(key - AisNameKey)][typed]; }

    // The answer by a plain scan of the flat file; nullopt when none lies that way.
    std::optional<uint32_t> ScanPeer(const Query& q) const
    {
        std::FILE* file = std::fopen(flatStations().c_str(), "rb");
        Require(file != nullptr, "the flat station file does not open");
        std::optional<uint32_t> answer;
        if (q.typed) {
            answer = Nearest(file, q.key, UserKeyValue(q.key, platform::isam::bytesOf(q.probe)), 0, q.direction);
        } else {
            // The start by MMSI, then the record after it in the key's order (duplicates by position).
            std::vector<std::byte> startKey;
            int64_t startPosition = 0;
            AisStaticRecord r;
            for (int64_t position = 1; std::fread(&r, sizeof r, 1, file) == 1; ++position)
                if (r.mmsi == q.probe.mmsi) {
                    startKey = UserKeyValue(q.key, platform::isam::bytesOf(r));
                    startPosition = position;
                    break;
                }
            std::rewind(file);
            answer = startPosition == 0
                         ? Nearest(file, AisMmsiKey, UserKeyValue(AisMmsiKey, platform::isam::bytesOf(q.probe)),
                                   0, AisSeekDirection::Up)
                         : Nearest(file, q.key, startKey, startPosition, q.direction);
        }
        std::fclose(file);
        return answer;
    }

    void PlayStepMinute()
    {
        Require(OpenReplay(stepMinute(), 0), "the step minute does not open");
        PlayReplayStep(form());
    }

private:
    // The record next to (key, position) in key order that way; a typed value has position 0,
    // which every record with that key passes upwards (greater only) and downwards (less only).
    static std::optional<uint32_t> Nearest(std::FILE* file, UserKey key, const std::vector<std::byte>& from,
                                           int64_t fromPosition, AisSeekDirection direction)
    {
        const bool up = direction == AisSeekDirection::Up;
        std::optional<std::pair<std::vector<std::byte>, int64_t>> best;
        uint32_t bestMmsi = 0;
        AisStaticRecord r;
        for (int64_t position = 1; std::fread(&r, sizeof r, 1, file) == 1; ++position) {
            std::pair<std::vector<std::byte>, int64_t> here{UserKeyValue(key, platform::isam::bytesOf(r)), position};
            const std::pair<std::vector<std::byte>, int64_t> start{from, fromPosition};
            const bool beyond = fromPosition == 0 ? (up ? here.first > from : here.first < from)
                                                  : (up ? here > start : here < start);
            if (beyond && (!best || (up ? here < *best : here > *best))) {
                best = std::move(here);
                bestMmsi = r.mmsi;
            }
        }
        return best ? std::optional<uint32_t>(bestMmsi) : std::nullopt;
    }

    void WriteDensestDay()
    {
        std::vector<ReplayRecord> minute(1 + kTargets);
        std::ofstream out(densestDay(), std::ios::binary);
        for (uint16_t m = 0; m <= kLastMinute; ++m) {
            for (size_t i = 0; i < minute.size(); ++i)
                minute[i] = {m, i == 0 ? ReplayOwnShipId : uint32_t(211000000 + i), int32_t(i) * 1000,
                             -int32_t(m) * 1000, 120, 450, 45};
            const std::string bytes = Bytes(minute);
            out.write(bytes.data(), std::streamsize(bytes.size()));
        }
        Require(bool(out), "the densest day was not written");
    }

    // 100,000 stations: names from a pool of 30,000 (so names repeat), one IMO number in ten
    // missing (0), call signs of four to seven characters. The same records go to a flat file
    // for the peer, in the order they were added.
    void FillAis5()
    {
        std::mt19937 random(116);
        std::uniform_int_distribution<uint32_t> mmsi(200000000, 799999999);
        std::uniform_int_distribution<int> nameNumber(0, 29999);
        std::uniform_int_distribution<uint32_t> imo(1000000, 9999999);
        std::uniform_int_distribution<int> letter(0, 25);
        std::uniform_int_distribution<int> callLength(4, 7);
        std::string flat;
        std::vector<uint32_t> held;
        while (int(held.size()) < kStations) {
            AisStaticRecord r;
            r.mmsi = mmsi(random);
            r.imo = held.size() % 10 == 0 ? 0 : imo(random);
            const std::string name = "VESSEL " + std::to_string(nameNumber(random));
            std::memcpy(r.name, name.data(), name.size());
            const int length = callLength(random);
            for (int c = 0; c < length; ++c)
                r.callSign[c] = char('A' + letter(random));
            r.storedTime = 1796900000u + uint32_t(held.size());
            AisStaticRecord existing;
            if (ReadAisStatic(r.mmsi, existing) == Status::Ok)
                continue;
            Require(WriteAisStatic(r) == Status::Ok, "a station was not stored");
            flat.append(reinterpret_cast<const char*>(&r), sizeof r);
            held.push_back(r.mmsi);
        }
        WriteFile(flatStations(), flat);
        for (size_t k = 0; k < kKeys.size(); ++k)
            for (int n = 0; n < kQueries; ++n) {
                const AisSeekDirection direction = n % 2 == 0 ? AisSeekDirection::Up : AisSeekDirection::Down;
                Query typed{kKeys[k], {}, direction, true};
                const std::string name = "VESSEL " + std::to_string(nameNumber(random));
                std::memcpy(typed.probe.name, name.data(), name.size());
                typed.probe.mmsi = mmsi(random);
                typed.probe.imo = imo(random);
                for (int c = 0; c < 3; ++c)
                    typed.probe.callSign[c] = char('A' + letter(random));
                queries_[k][1].push_back(typed);
                // Steps mostly from a station held, one in ten from an MMSI none holds.
                Query step{kKeys[k], {}, direction, false};
                step.probe.mmsi = n % 10 == 0 ? mmsi(random) : held[size_t(random() % held.size())];
                queries_[k][0].push_back(step);
            }
    }

    // The own ship at the view's centre and 2,000 AIS targets spread over the view, under way.
    void WriteStepMinute()
    {
        std::mt19937 random(60);
        std::uniform_real_distribution<double> x(kMargin, kWidth - kMargin);
        std::uniform_real_distribution<double> y(kMargin, kHeight - kMargin);
        std::vector<ReplayRecord> minute;
        const cmgbase::GeoPoint centre = GeoAt(kWidth / 2, kHeight / 2);
        minute.push_back({600, ReplayOwnShipId, centre.x, centre.y, 120, 450, 455});
        for (uint32_t i = 0; i < kTargets; ++i) {
            const cmgbase::GeoPoint p = GeoAt(x(random), y(random));
            minute.push_back({600, 366000000 + i, p.x, p.y, uint16_t(20 + i % 180), uint16_t(i * 7 % 3600),
                              uint16_t(i * 7 % 3600 / 10)});
        }
        WriteFile(stepMinute(), Bytes(minute));
        form_->AisBtn->setChecked(true);
        form_->btnReplay->setChecked(true);
    }

    std::array<std::array<std::vector<Query>, 2>, 4> queries_;
};

std::unique_ptr<AisHistoryScene> TheScene;

AisHistoryScene& Scene()
{
    if (!TheScene)
        TheScene = std::make_unique<AisHistoryScene>();
    return *TheScene;
}

void OpenReplayAtLastMinute(benchmark::State& state)
{
    const std::filesystem::path file = Scene().densestDay();
    for (auto _ : state)
        if (!OpenReplay(file, kLastMinute))
            state.SkipWithError("the last minute was not found");
    CloseReplay();
}
BENCHMARK(OpenReplayAtLastMinute)->Unit(benchmark::kMillisecond);

void ReadReplayToLastMinutePeer(benchmark::State& state)
{
    const std::filesystem::path file = Scene().densestDay();
    for (auto _ : state) {
        std::FILE* f = std::fopen(file.c_str(), "rb");
        ReplayRecord r{};
        bool found = false;
        while (!found && std::fread(&r, sizeof r, 1, f) == 1)
            found = r.minuteOfDay >= kLastMinute;
        std::fclose(f);
        if (!found)
            state.SkipWithError("the last minute was not found");
    }
}
BENCHMARK(ReadReplayToLastMinutePeer)->Unit(benchmark::kMillisecond);

std::optional<uint32_t> Answer(const Query& q)
{
    AisStaticRecord found;
    const Status status = q.typed ? SeekAisStatic(q.key, q.probe, q.direction, found)
                                  : StepAisStatic(q.key, q.probe.mmsi, q.direction, found);
    if (status != Status::Ok && status != Status::NoRecord)
        Fail("an ais5 read failed");
    return status == Status::Ok ? std::optional<uint32_t>(found.mmsi) : std::nullopt;
}

// The first queries of the kind answered as the peer answers them, before the timing.
void CheckAnswers(UserKey key, bool typed)
{
    const std::vector<Query>& queries = Scene().queries(key, typed);
    for (size_t n = 0; n < kCheckedQueries; ++n)
        Require(Answer(queries[n]) == Scene().ScanPeer(queries[n]), "the ais5 answer differs from the scan's");
}

void AisQueries(benchmark::State& state, bool typed)
{
    const UserKey key = kKeys[size_t(state.range(0))];
    CheckAnswers(key, typed);
    const std::vector<Query>& queries = Scene().queries(key, typed);
    size_t n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Answer(queries[n++ % queries.size()]));
}

void AisLookUp(benchmark::State& state)
{
    AisQueries(state, true);
}
BENCHMARK(AisLookUp)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void AisStep(benchmark::State& state)
{
    AisQueries(state, false);
}
BENCHMARK(AisStep)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// Arguments: the key (0 to 3) and the kind (1 typed look-ups, 0 steps).
void AisScanPeer(benchmark::State& state)
{
    const UserKey key = kKeys[size_t(state.range(0))];
    const std::vector<Query>& queries = Scene().queries(key, state.range(1) != 0);
    size_t n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(Scene().ScanPeer(queries[n++ % queries.size()]));
}
BENCHMARK(AisScanPeer)->ArgsProduct({{0, 1, 2, 3}, {1, 0}})->Unit(benchmark::kMillisecond);

void ReplayStepOfAMinute(benchmark::State& state)
{
    AisHistoryScene& scene = Scene();
    for (auto _ : state)
        scene.PlayStepMinute();
    int32_t shown = 0;
    for (const TargetRecord& t : TargetTable)
        shown += t.id >= 366000000 ? 1 : 0;
    if (shown != kTargets)
        state.SkipWithError("not every replayed target is in the table");
    CloseReplay();
}
BENCHMARK(ReplayStepOfAMinute)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunOffscreenWidgetBenchmarks(argc, argv, [] { TheScene.reset(); });
}
