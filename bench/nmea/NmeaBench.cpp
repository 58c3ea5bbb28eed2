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

double ourRate = 0.0;  // sentences per second of the last run of ParseVoyageLog

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
    ourRate = double(state.iterations()) * double(sentences) / elapsed.count();
    state.counters["sentences/s"] = ourRate;
}
BENCHMARK(ParseVoyageLog)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Runs the Node.js parser once for about two seconds and reports its rate.
void NmeaSimpleUnderNode(benchmark::State& state)
{
    const std::filesystem::path script = std::filesystem::path(NODE_BENCH_DIR) / "bench.js";
    if (!std::filesystem::exists(std::filesystem::path(NODE_BENCH_DIR) / "node_modules")) {
        state.SkipWithError("nmea-simple is not installed: run npm install in bench/nmea/node");
        return;
    }
    double nodeRate = 0.0;
    for (auto _ : state) {
        const std::string command = "node '" + script.string() + "' '" VOYAGE_LOG "' 2";
        FILE* pipe = popen(command.c_str(), "r");
        if (pipe == nullptr) {
            state.SkipWithError("node does not start");
            return;
        }
        char output[512] = {};
        const size_t n = fread(output, 1, sizeof output - 1, pipe);
        output[n] = '\0';
        pclose(pipe);
        const char* rate = std::strstr(output, "\"perSecond\":");
        if (rate == nullptr) {
            state.SkipWithError("node gave no rate");
            return;
        }
        nodeRate = std::strtod(rate + 12, nullptr);
    }
    state.counters["sentences/s"] = nodeRate;
    if (ourRate > 0.0 && nodeRate > 0.0)
        state.counters["ours/node"] = ourRate / nodeRate;
}
BENCHMARK(NmeaSimpleUnderNode)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
