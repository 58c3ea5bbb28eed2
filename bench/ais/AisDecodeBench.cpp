// AIS messages decoded per second: the approach fixture (messages 1, 2, 3, 5, 12, 14, 18, 19,
// 21 and 24 on both channels) fed in 120-byte chunks through the sentence input, as the readers
// feed it, up to the staging for the target table; beside it, in the same run, gpsdecode -u
// (gpsd-clients) on the same text. Run it on one core: taskset -c 3 build/bench/bench/ais/bench_ais
//
// The target table's update is left out without touching its code: it takes nothing while no
// own position is known, and the bench never gives one (OwnShip.positionKnown stays false). The
// AIS range check is measured: 20 nm around a reference position in the approach. Both sides
// are timed in CPU time (gpsdecode's as a child process), so that a busy machine counts little.

#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorInput.h"
#include "sensors/SensorNotices.h"
#include "sensors/SensorSettings.h"
#include "sensors/SentenceParser.h"
#include "sensors/TargetTable.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/resource.h>
#include <time.h>

namespace {

// The machine may be shared: each side is measured several times and its best rate is taken.
constexpr int Rounds = 5;
// gpsdecode reads the fixture this many times over in one run, so that its start-up counts little.
constexpr int GpsdecodeCopies = 40;
double ourRate = 0.0;  // the best rate of DecodeApproach's rounds, messages per second

double ProcessSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// CPU seconds of the child processes that have ended.
double ChildSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::string ReadLog()
{
    std::ifstream file(APPROACH_LOG, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Complete messages in the text: sentences whose number is their count.
int64_t CountMessages(const std::string& text)
{
    int64_t messages = 0;
    std::istringstream lines(text);
    std::string line;
    int count = 0, number = 0;
    while (std::getline(lines, line))
        if (std::sscanf(line.c_str(), "!%*5c,%d,%d,", &count, &number) == 2 && count == number)
            ++messages;
    return messages;
}

bool TableUntouched()
{
    return std::all_of(TargetTable.begin(), TargetTable.begin() + TargetCount,
                       [](const TargetRecord& record) { return record.id == -1; });
}

void DecodeApproach(benchmark::State& state)
{
    const std::string log = ReadLog();
    const int64_t messages = CountMessages(log);
    const SensorSettings settings = SensorSetup;  // given back for the other cases
    MarkAllTargetsFree();
    OwnShip.positionKnown = false;
    OwnShip.referencePosition = {cmgbase::deg2nrm(10.23), cmgbase::deg2nrm(54.47)};
    SensorSetup.ownMmsi = 211000001;
    SensorSetup.aisRange = 20;
    SensorSetup.aisMessages = true;
    const double start = ProcessSeconds();
    for (auto _ : state) {
        for (size_t offset = 0; offset < log.size(); offset += InputChunkSize) {
            const size_t size = std::min(log.size() - offset, size_t(InputChunkSize));
            HandleParseResult(ParseSensorInput(0, log.data() + offset, size));
        }
        FlushSensorNotices();
        benchmark::DoNotOptimize(OwnShip.stagedAis);
    }
    const double elapsed = ProcessSeconds() - start;
    SensorSetup = settings;
    if (!TableUntouched()) {
        state.SkipWithError("the target table took targets: the measure is not the decoding's");
        return;
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * messages);
    const double rate = double(state.iterations()) * double(messages) / elapsed;
    ourRate = std::max(ourRate, rate);
    state.counters["messages/s"] = rate;
}
BENCHMARK(DecodeApproach)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(Rounds);

// One run of gpsdecode over the fixture copied GpsdecodeCopies times: its rate, 0 when it failed.
double GpsdecodeRate(const std::filesystem::path& input, int64_t messages)
{
    const std::string command = "gpsdecode -u < '" + input.string() + "' > /dev/null";
    const double start = ChildSeconds();
    if (std::system(command.c_str()) != 0)
        return 0.0;
    return double(messages) / (ChildSeconds() - start);
}

// The best rate of gpsdecode in Rounds runs, and the ratio of the two best rates.
void GpsdecodeOnTheSameText(benchmark::State& state)
{
    const std::string log = ReadLog();
    const std::filesystem::path input =
        std::filesystem::temp_directory_path() / "bench_ais_approach.nmea";
    {
        std::ofstream copies(input, std::ios::binary);
        for (int i = 0; i < GpsdecodeCopies; ++i)
            copies << log;
    }
    const int64_t messages = CountMessages(log) * GpsdecodeCopies;
    double rate = 0.0;
    for (auto _ : state)
        for (int round = 0; round < Rounds; ++round)
            rate = std::max(rate, GpsdecodeRate(input, messages));
    std::filesystem::remove(input);
    if (rate == 0.0) {
        state.SkipWithError("gpsdecode did not run: install gpsd-clients (scripts/install-deps)");
        return;
    }
    state.counters["messages/s"] = rate;
    state.counters["ours/gpsdecode"] = ourRate / rate;
}
BENCHMARK(GpsdecodeOnTheSameText)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
