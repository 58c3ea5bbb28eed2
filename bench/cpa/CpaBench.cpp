// The closest point of approach of every target of a full target table (2000 records) from the
// own ship, as the target painter computes it for each frame, side by side with a plain loop of
// the same formula written out over the geodesy library.

#include "frame/CpaTcpa.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/geodesy/PositionComputation.h"
#include "sensors/TargetTable.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

const cmgbase::GeoPoint kOwnPosition{cmgbase::deg2nrm(10.0), cmgbase::deg2nrm(54.0)};
constexpr float kOwnCourse = 35;
constexpr float kOwnSpeed = 12;

// Targets spread over 12 miles around the own ship, on any course at up to 25 knots.
void FillTargetTable()
{
    std::mt19937 random(1852);
    std::uniform_real_distribution<double> offset(-0.2, 0.2);  // degrees
    std::uniform_real_distribution<float> course(0, 360);
    std::uniform_real_distribution<float> speed(0, 25);
    for (int i = 0; i < TargetCount; ++i) {
        TargetRecord& t = TargetTable[i];
        t.id = i;
        t.positionX = cmgbase::deg2nrm(10.0 + offset(random));
        t.positionY = cmgbase::deg2nrm(54.0 + offset(random));
        t.course = course(random);
        t.speed = speed(random);
    }
}

void ComputeCpaTcpaOverTheTable(benchmark::State& state)
{
    FillTargetTable();
    for (auto _ : state) {
        for (int i = 0; i < TargetCount; ++i) {
            TargetRecord& t = TargetTable[i];
            float time = 0;
            float distance = 0;
            ComputeCpaTcpa(kOwnPosition, kOwnCourse, kOwnSpeed, {t.positionX, t.positionY},
                           t.course, t.speed, time, distance);
            t.tcpa = time;
            t.cpa = distance;
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * TargetCount);
}
BENCHMARK(ComputeCpaTcpaOverTheTable)->Unit(benchmark::kMicrosecond);

void PlainLoopOfTheSameFormula(benchmark::State& state)
{
    FillTargetTable();
    constexpr double toRadians = std::numbers::pi / 180;
    const double ownNorth = std::cos(kOwnCourse * toRadians) * kOwnSpeed * 0.51479;
    const double ownEast = std::sin(kOwnCourse * toRadians) * kOwnSpeed * 0.51479;
    for (auto _ : state) {
        for (int i = 0; i < TargetCount; ++i) {
            TargetRecord& t = TargetTable[i];
            double miles = 0;
            double bearing = 0;
            cmgbase::InvPosComputation(kOwnPosition, {t.positionX, t.positionY}, &miles, &bearing,
                                       0);
            const double north = std::cos(bearing) * miles * 1851.851852;
            const double east = std::sin(bearing) * miles * 1851.851852;
            const double dn = ownNorth - std::cos(t.course * toRadians) * t.speed * 0.51479;
            const double de = ownEast - std::sin(t.course * toRadians) * t.speed * 0.51479;
            const double d2 = dn * dn + de * de;
            const double s = d2 < 1e-8 ? 0 : (north * dn + east * de) / d2;
            t.tcpa = static_cast<float>(s / 60);
            t.cpa = static_cast<float>(std::hypot(north - dn * s, east - de * s) * 0.00054);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * TargetCount);
}
BENCHMARK(PlainLoopOfTheSameFormula)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
