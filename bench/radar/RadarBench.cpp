// The radar picture made from the chart, once per antenna revolution, and its way onto the screen:
// US4MD81M around an antenna in the bay (38.93 N 76.40 W) at the 12 NM range, with all 2000
// target records in use. A frame should be made in under 40 ms, and drawn and composed in under
// 15 ms, so that both stay well inside one 100 ms tick.
//
// - BuildRadarFrame/moved: the antenna has moved since the last frame, so the chart around it is
//   searched and rasterised again before the picture is made (the costlier revolution);
// - BuildRadarFrame/still: the antenna stays, the picture is made over the scene it has;
// - DrawAndComposeRadar: the newest frame drawn through the main view into a 1920 x 1080 radar
//   bitmap (white where nothing echoes), made colour-keyed at the overlay's alpha, and laid over
//   the chart picture.

#include "bench/InstalledChartView.h"
#include "bench/OffscreenBenchmarks.h"

#include "platform/chartengine/ChartRadar.h"
#include "radarweather/TRadar.h"

#include <QCoreApplication>
#include <QImage>
#include <QObject>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

using namespace benchchart;

namespace {

constexpr double kAntennaLatitude = 38.93;
constexpr double kAntennaLongitude = -76.40;
constexpr double kTwelveMiles = 12.0 * 1852.0;
constexpr int kTargets = 2000;
constexpr int kAlpha = 102;
const std::filesystem::path kRangeFile = std::filesystem::path(VARNIK_SOURCE_DIR) / "data/RPFiles/Rp.ini";

// 2000 targets spread over the range around the antenna, a spiral out to 11.5 NM.
std::vector<cmgbase::GeoPoint> Targets()
{
    std::vector<cmgbase::GeoPoint> targets;
    const double metresPerDegreeNorth = 111000.0;
    const double metresPerDegreeEast = metresPerDegreeNorth * std::cos(kAntennaLatitude * std::numbers::pi / 180.0);
    for (int i = 0; i < kTargets; ++i) {
        const double distance = kTwelveMiles * 0.96 * std::sqrt((i + 0.5) / kTargets);
        const double bearing = i * 2.399963;  // the golden angle
        targets.push_back({cmgbase::deg2nrm(kAntennaLongitude + distance * std::sin(bearing) / metresPerDegreeEast),
                           cmgbase::deg2nrm(kAntennaLatitude + distance * std::cos(bearing) / metresPerDegreeNorth)});
    }
    return targets;
}

// The chart radar over the bench chart, started at the 12 NM range with the antenna in the bay.
struct RunningRadar {
    RunningRadar()
        : chart(80000), radar(chart.manager.currentGeoDatabase, kRangeFile, [targets = Targets()] { return targets; })
    {
        using namespace chartengine;
        if (radar.PutProperty(RP_PROJECTION, std::shared_ptr<const GeoProjection>(chart.view->projection)) != kOk ||
            radar.PutProperty(RP_VIEWPORT, static_cast<const MapViewport*>(chart.view->viewport.get())) != kOk ||
            radar.Start(&owner) != kOk || radar.PutProperty(RP_RANGE, kTwelveMiles) != kOk ||
            radar.PutProperty(RP_CLUTTER, int32_t(40 + 60 * 256 + 50 * 65536)) != kOk ||
            radar.PutOwnPosition(kAntennaLatitude, kAntennaLongitude, 30.0) != kOk)
            std::abort();
        radar.StepFrame();
        QCoreApplication::processEvents();
    }

    ChartView chart;
    QObject owner;
    chartengine::ChartRadar radar;
};

void BuildFrame(benchmark::State& state)
{
    const bool moving = state.range(0) != 0;
    RunningRadar running;
    int step = 0;
    for (auto _ : state) {
        if (moving) {
            // 200 m north and back: more than a cell, so the scene is found again.
            ++step;
            running.radar.PutOwnPosition(kAntennaLatitude + (step % 2) * 0.0018, kAntennaLongitude, 30.0);
        }
        running.radar.StepFrame();
        state.PauseTiming();
        QCoreApplication::processEvents();  // the frame's notice
        state.ResumeTiming();
    }
    state.counters["frames"] = double(running.radar.frameNumber());
}
BENCHMARK(BuildFrame)->Name("BuildRadarFrame")->ArgName("moved")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void DrawAndCompose(benchmark::State& state)
{
    RunningRadar running;
    QImage chartPicture(kWidth, kHeight, QImage::Format_RGB32);
    chartPicture.fill(QColor(200, 220, 240));
    QImage screen = chartPicture;
    QImage radarBitmap(kWidth, kHeight, QImage::Format_RGB32);
    QImage keyed;
    for (auto _ : state) {
        radarBitmap.fill(Qt::white);
        {
            QPainter painter(&radarBitmap);
            painter.translate(kWidth / 2, kHeight / 2);
            painter.scale(1, -1);
            if (running.radar.Draw(painter) != chartengine::kOk)
                state.SkipWithError("no draw");
        }
        keyed = ColourKeyed(radarBitmap, kAlpha);
        QPainter painter(&screen);
        painter.drawImage(0, 0, chartPicture);
        painter.drawImage(0, 0, keyed);
    }
    // The pixels that show an echo: the frame is no empty one.
    int echoes = 0;
    for (int y = 0; y < keyed.height(); ++y)
        for (int x = 0; x < keyed.width(); ++x)
            echoes += qAlpha(keyed.pixel(x, y)) != 0;
    state.counters["echoPixels"] = echoes;
}
BENCHMARK(DrawAndCompose)->Name("DrawAndComposeRadar")->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
