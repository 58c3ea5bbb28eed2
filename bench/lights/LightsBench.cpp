// The light evaluation that every redraw showing lights runs, against the chart draw of the same
// view (bench/chartdraw's: US4MD81M, 1920 x 1080 around 38.97 N 76.45 W), at 1:80000 and
// 1:22000; and one flash step over 500 markers. The evaluation should take at most a quarter
// of the draw.
//
// - DrawChartForLights: the map view draws the chart (as bench/chartdraw's DrawChart);
// - EvaluateLightSectors: the lights of the view enlarged by 2 become markers;
// - UpdateLightFlashes: one 200 ms step, 500 flashing markers over the view, a quarter changing.

#include "bench/InstalledChartView.h"
#include "bench/OffscreenBenchmarks.h"

#include "chart/ChartWindow.h"
#include "chart/LightFlashes.h"
#include "chart/LightSectors.h"
#include "frame/PhaseCounters.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace benchchart;

namespace {

void Draw(ChartView& chart, QImage& image)
{
    image.fill(Qt::gray);
    QPainter painter(&image);
    painter.translate(kWidth / 2, kHeight / 2);
    painter.scale(1, -1);
    chart.view->DrawChart(painter, {-kWidth / 2, kHeight / 2, kWidth / 2, -kHeight / 2});
}

void DrawChartForLights(benchmark::State& state)
{
    ChartView chart(static_cast<int32_t>(state.range(0)));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state)
        Draw(chart, image);
}
BENCHMARK(DrawChartForLights)->Arg(80000)->Arg(22000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void EvaluateLights(benchmark::State& state)
{
    ChartView chart(static_cast<int32_t>(state.range(0)));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    Draw(chart, image);  // the view's area and draw block of the redraw
    std::vector<ChartMarker> markers;
    for (auto _ : state) {
        if (EvaluateLightSectors(chart.manager, *chart.view, markers, 2.0f) != 1)
            state.SkipWithError("no evaluation");
        benchmark::DoNotOptimize(markers.data());
    }
    state.counters["lights"] = double(markers.size());
}
BENCHMARK(EvaluateLights)->Name("EvaluateLightSectors")->Arg(80000)->Arg(22000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void UpdateFlashes(benchmark::State& state)
{
    ChartWindow window;
    window.ChartBackBitmap = QImage(kWidth, kHeight, QImage::Format_RGB32);
    window.ChartBackBitmap.fill(Qt::gray);
    window.ChartWorkBitmap = window.ChartBackBitmap;
    for (int i = 0; i < MaxLightRecords; ++i) {
        ChartMarker m;
        m.x = 10 + (i * 37) % (kWidth - 20);
        m.y = 10 + (i * 53) % (kHeight - 20);
        m.periodClass = uint8_t(i % 9);
        m.rhythmMask = uint8_t(1 << (i % 8));
        m.colour = uint8_t(1 + i % 4);
        window.chartMarkers.push_back(m);
    }
    for (auto _ : state) {
        AdvancePhaseCounters();
        UpdateLightFlashes(window, true);
    }
}
BENCHMARK(UpdateFlashes)->Name("UpdateLightFlashes")->Unit(benchmark::kMicrosecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
