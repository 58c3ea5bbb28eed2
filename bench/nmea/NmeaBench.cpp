// Sentences parsed per second from the recorded voyage log (GGA, RMC, VTG, HDT, DPT, MWV), fed
// in 120-byte chunks as the readers feed them; beside it, in the same run, the npm package
// nmea-simple under Node.js on the same log (npm install in bench/nmea/node first).

#include "platform/system/SystemClock.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorInput.h"
#include "sensors/SentenceParser.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

// The machine may be shared: each side is measured several times and its best rate is taken.
constexpr int Rounds = 5;
double ourRate = 0.0;  // the best rate of ParseVoyageLog's rounds, sentences per second

std::string ReadLog()
{
    std::ifstream file(VOYAGE_LOG, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void ParseVoyageLog(benchmark::State& state)
{
    // The log's dates differ from today's: the machine clock must stay as it is.
    platform::InstallMachineClockSetter([](platform::ClockTime) { return EPERM; });
    platform::InstallClockReporter([](const std::string&) {});
    const std::string log = ReadLog();
    const auto sentences = std::count(log.begin(), log.end(), '\n');
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        for (size_t offset = 0; offset < log.size(); offset += InputChunkSize) {
            const size_t size = std::min(log.size() - offset, size_t(InputChunkSize));
            HandleParseResult(ParseSensorInput(0, log.data() + offset, size));
        }
        benchmark::DoNotOptimize(OwnShip.gpsLatitude);
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetItemsProcessed(int64_t(state.iterations()) * sentences);
    const double rate = double(state.iterations()) * double(sentences) / elapsed.count();
    ourRate = std::max(ourRate, rate);
    state.counters["sentences/s"] = rate;
}
BENCHMARK(ParseVoyageLog)->Unit(benchmark::kMillisecond)->MinTime(1.0)->Repetitions(Rounds);

// One run of the Node.js parser for about a second: its rate, or 0 when node gave none.
double NodeRate()
{
    const std::filesystem::path script = std::filesystem::path(NODE_BENCH_DIR) / "bench.js";
    const std::string command = "node '" + script.string() + "' '" VOYAGE_LOG "' 1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return 0.0;
    char output[512] = {};
    const size_t n = fread(output, 1, sizeof output - 1, pipe);
    output[n] = '\0';
    pclose(pipe);
    const char* rate = std::strstr(output, "\"perSecond\":");
    return rate == nullptr ? 0.0 : std::strtod(rate + 12, nullptr);
}

// The best rate of the Node.js parser in Rounds runs, and the ratio of the two best rates.
void NmeaSimpleUnderNode(benchmark::State& state)
{
    if (!std::filesystem::exists(std::filesystem::path(NODE_BENCH_DIR) / "node_modules")) {
        state.SkipWithError("nmea-simple is not installed: run npm install in bench/nmea/node");
        return;
    }
    double nodeRate = 0.0;
    for (auto _ : state)
        for (int round = 0; round < Rounds; ++round)
            nodeRate = std::max(nodeRate, NodeRate());
    if (nodeRate == 0.0) {
        state.SkipWithError("node gave no rate");
        return;
    }
    state.counters["sentences/s"] = nodeRate;
    state.counters["ours/node"] = ourRate / nodeRate;
}
BENCHMARK(NmeaSimpleUnderNode)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
