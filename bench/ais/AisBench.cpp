// The AIS side of a busy sea, one function per case. "A second of a busy sea": 2000 AIS position
// reports, staged as the AIS decoder stages them, one for each vessel of a table that already
// holds all 2000, in a shuffled order; then the CPA and TCPA of all 2000 as the target painter
// computes them. Goal: under 10 ms on one core.

#include "frame/CpaTcpa.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "sensors/OwnShipState.h"
#include "sensors/TargetStaticData.h"
#include "sensors/TargetTable.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

namespace {

constexpr uint32_t FirstMmsi = 211000000;
const cmgbase::GeoPoint OwnPosition{cmgbase::deg2nrm(10.0), cmgbase::deg2nrm(54.0)};

// A position report of vessel `i`, within 12 miles of the own ship.
void StageReport(int i, std::mt19937& random)
{
    std::uniform_int_distribution<int32_t> offset(-2'400'000, 2'400'000);  // about 0.2 degrees
    std::uniform_int_distribution<int> tenths(0, 3599);
    std::uniform_int_distribution<int> speed(0, 250);
    AisDynamicBlock& d = OwnShip.stagedAis.dynamic;
    d.mmsi = FirstMmsi + uint32_t(i);
    d.positionX = OwnPosition.x + offset(random);
    d.positionY = OwnPosition.y + offset(random);
    d.cogTenths = uint16_t(tenths(random));
    d.sogTenths = uint16_t(speed(random));
    OwnShip.sensorRecord.targetId = int32_t(d.mmsi);
}

// The own ship at sea and a table holding every vessel once.
void FillSea(std::mt19937& random)
{
    ResetTargetTable();
    OwnShip.positionKnown = true;
    OwnShip.referencePosition = OwnPosition;
    OwnShip.courseOverGround = 35.0f;
    OwnShip.speedOverGround = 12.0f;
    for (int i = 0; i < TargetCount; ++i) {
        StageReport(i, random);
        UpdateTargetTable(12, TargetAisPosition);
    }
    RunTargetFileWork();  // no database: the look-ups find nothing
    TakeUpdatedTargets();
}

void BusySeaSecond(benchmark::State& state)
{
    std::mt19937 random(1852);
    FillSea(random);
    std::vector<int> order(TargetCount);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    for (auto _ : state) {
        for (const int i : order) {
            StageReport(i, random);
            UpdateTargetTable(12, TargetAisPosition);
        }
        benchmark::DoNotOptimize(TakeUpdatedTargets());
        for (int i = 0; i < TargetCount; ++i) {
            TargetRecord& t = TargetTable[size_t(i)];
            float minutes = 0.0f;
            float miles = 0.0f;
            ComputeCpaTcpa(OwnShip.referencePosition, OwnShip.courseOverGround, OwnShip.speedOverGround,
                           {t.positionX, t.positionY}, t.course, t.speed, minutes, miles);
            t.tcpa = minutes;
            t.cpa = miles;
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * TargetCount);
}
BENCHMARK(BusySeaSecond)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
