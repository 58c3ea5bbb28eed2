// One output cycle of the output thread with RMC, RMB, APB and a block of ten WPL and the RTE for
// twelve transmitting COM ports: the time the cycle holds ComOutStateLock (the main thread's
// parser waits for it; the goal is below 50 us), and the whole cycle with the writes to twelve
// pseudo-terminals that a thread of the benchmark drains.

#include "platform/system/SerialPort.h"
#include "sensors/ComPortControl.h"
#include "sensors/NmeaOutput.h"
#include "sensors/OutputStates.h"
#include "userdata/RouteFollowing.h"
#include "userdata/RouteTable.h"

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace {

// A ship on leg 3 of a route of 20 waypoints, every output sentence on, all twelve ports
// transmitting.
void FollowRoute()
{
    FixState();
    OwnShip.transmitFlags.fill(1);
    SetupParameters.OutputSentences = OutputRmc | OutputRmb | OutputApb | OutputWaypoints;
    ClearRouteTable();
    FillRoute(20);
    CurrentWaypoint = 3;
    CrossTrackError = 0.123;
    DistanceToGo = 1.23f;
    BearingToSteer = 45.6f;
}

void LockHeldForOneCycle(benchmark::State& state)
{
    FollowRoute();
    NmeaOutputBatch batch;
    for (auto _ : state) {
        std::lock_guard lock(ComOutStateLock);
        const auto start = std::chrono::steady_clock::now();
        NewWaypoint = 1;  // the WPL / RTE block every cycle
        BuildNmeaOutput(batch);
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["bytes"] = double(batch.sentences.size());
}
BENCHMARK(LockHeldForOneCycle)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Twelve pseudo-terminals as COM1..COM12, their far ends read by a thread of their own.
class TwelvePorts {
public:
    TwelvePorts()
    {
        for (int port = 0; port < SerialPortCount; ++port) {
            int& master = masters_[size_t(port)];
            master = posix_openpt(O_RDWR | O_NOCTTY);
            if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0)
                std::abort();
            platform::SetSerialDevicePath(port, ptsname(master));
            if (!OpenComPort(port))
                std::abort();
        }
        reader_ = std::thread([this] {
            std::array<pollfd, SerialPortCount> ready{};
            for (size_t i = 0; i < ready.size(); ++i)
                ready[i] = {masters_[i], POLLIN, 0};
            char buffer[4096];
            while (!stop_) {
                if (poll(ready.data(), ready.size(), 10) <= 0)
                    continue;
                for (const pollfd& one : ready)
                    if (one.revents & POLLIN)
                        benchmark::DoNotOptimize(read(one.fd, buffer, sizeof buffer));
            }
        });
    }
    ~TwelvePorts()
    {
        stop_ = true;
        reader_.join();
        CloseComPorts();
        for (int port = 0; port < SerialPortCount; ++port) {
            platform::SetSerialDevicePath(port, "");
            close(masters_[size_t(port)]);
        }
    }

private:
    std::array<int, SerialPortCount> masters_{};
    std::atomic<bool> stop_{false};
    std::thread reader_;
};

void WholeCycleToTwelvePorts(benchmark::State& state)
{
    TwelvePorts ports;
    FollowRoute();
    NmeaOutputBatch batch;
    for (auto _ : state) {
        {
            std::lock_guard lock(ComOutStateLock);
            NewWaypoint = 1;
        }
        SendNmeaOutput(batch);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(batch.sentences.size()) * SerialPortCount);
}
BENCHMARK(WholeCycleToTwelvePorts)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
