// The look-ahead check against the engine's view query, over US4MD81M (1:80000, with its three
// updates):
// - QueryView: every object of the main view's 1920 x 1080 window at 1:80000 around
//   38.97 N 76.45 W (96 pixels per inch), as a redraw asks for them;
// - CheckPolygon: the look-ahead's check of the sector 6 minutes at 20 knots ahead (2 nm), 30
//   degrees either side of the course, at three places: open water in the bay's deep channel,
//   heading for Thomas Point Shoal, and across the Annapolis approach; with a safety depth of
//   4.9 m and a vessel height of 30 m, watching the areas as the tick does. In open water no
//   danger ends the walk early.
// Goal: no check slower than the view query, and each under 5 ms.

#include "../InstalledChartView.h"
#include "../OffscreenWidgetBenchmarks.h"

#include "app/LookAheadCheck.h"
#include "chart/AreaWatchTable.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

namespace {

constexpr int32_t kScale = 80000;
constexpr double kReach = 20.0 * 6.0 / 60.0;  // nautical miles
constexpr double kHalfAngle = 30.0;
constexpr float kSafetyDepth = 4.9f;  // the shipped safety contour of 5 m
constexpr float kVesselHeight = 30.0f;

std::unique_ptr<benchchart::ChartView> TheChart;

benchchart::ChartView& Chart()
{
    if (!TheChart)
        TheChart = std::make_unique<benchchart::ChartView>(kScale);
    return *TheChart;
}

void QueryView(benchmark::State& state)
{
    benchchart::ChartView& chart = Chart();
    cmgbase::GeoCover cover;
    cmgbase::GeoCover__asn_GeoRect(cover, chart.Area());
    for (auto _ : state) {
        std::unique_ptr<chartengine::GeoDatabaseQuery> query;
        chart.manager.currentGeoDatabase->NewQuery(&query);
        query->SetCover(cover, kScale, kScale, -1);
        query->Run();
        std::unique_ptr<chartengine::ObjectEnumerator> objects;
        query->Objects(&objects);
        int64_t count = 0;
        chartengine::ChartObject object;
        while (objects && objects->Next(&object) == chartengine::kOk) {
            benchmark::DoNotOptimize(object.ClassCode());
            ++count;
        }
        state.counters["objects"] = double(count);
    }
}
BENCHMARK(QueryView)->Unit(benchmark::kMillisecond);

void CheckPolygon(benchmark::State& state, double longitude, double latitude, double course)
{
    MapManager& manager = Chart().manager;
    const cmgbase::GeoPoint ship{cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
    const std::array<cmgbase::GeoPoint, 7> sector = LookAheadSector(ship, course, kHalfAngle, kReach);
    manager.SetCheckPolygon(sector.data(), int32_t(sector.size()));
    ResetAreaWatchTable();
    int32_t dangers = 0;
    int32_t entered = 0;
    for (auto _ : state) {
        if (manager.CheckPolygon(kSafetyDepth, kVesselHeight, &dangers, &entered, 0) != 1)
            state.SkipWithError("the check did not run");
    }
    state.counters["dangers"] = dangers;
}
BENCHMARK_CAPTURE(CheckPolygon, OpenWater, -76.40, 38.90, 180.0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CheckPolygon, ThomasPointShoal, -76.41, 38.88, 313.3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CheckPolygon, AnnapolisApproach, -76.42, 38.955, 270.0)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunOffscreenWidgetBenchmarks(argc, argv, [] { TheChart.reset(); });
}
