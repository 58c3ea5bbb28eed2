// The weather forecast's hot paths over the shipped example, data/gribdata.grb (30N-45N,
// 84W-60W at 0.5 degrees, 21 steps of six hours, nine fields: 189 messages):
// - LoadForecast: the weather tool reading the file whole, as the start-up and a new download
//   make it (ecCodes decoding each message, the grids kept for the values). Goal: at most twice
//   EccodesDecode.
// - EccodesDecode: ecCodes alone decoding the values of every message of the same file.
// - PaintWeatherLayer: varnikapp's weather layer with every group but temperature shown, the
//   example's whole area on the 1920 x 1080 view (1:10,000,000 around 37.5 N 72 W). Goal: under
//   20 ms.
// - GraphValues: the weather dialog's graph of one cursor position, wind (a point every fifth
//   step of the five days) and precipitation (four bars a day). Goal: under 1 ms.

#include "../OffscreenWidgetBenchmarks.h"

#include "app/TForm1.h"
#include "app/WeatherDisplay.h"
#include "bench/StartedChartProgram.h"
#include "platform/chartengine/WeatherClient.h"
#include "platform/chartengine/WeatherTool.h"
#include "radarweather/TWeatherDlg.h"
#include "radarweather/WeatherManager.h"

#include <QListWidget>
#include <benchmark/benchmark.h>
#include <eccodes.h>

#include <cstdio>

using namespace startedchart;

namespace {

const std::filesystem::path kExample = kData / "gribdata.grb";
constexpr int32_t kWholeAreaScale = 10000000;
constexpr double kCentreLat = 37.5, kCentreLon = -72.0;
constexpr int32_t kLayerGroups[] = {0x100, 0x200, 0x400, 0x500, 0x700};  // all but temperature (0x300)

void LoadForecast(benchmark::State& state)
{
    chartengine::WeatherTool tool(kData);
    const chartengine::WeatherProperty codes = std::vector<int32_t>{0x101, 0x103, 0x201, 0x301, 0x401, 0x501, 0x502, 0x701};
    for (auto _ : state)
        if (tool.Initialize(kExample.string(), "", codes, 30) != chartengine::kOk)
            state.SkipWithError("the example does not load");
    state.counters["messages"] = static_cast<double>(tool.LoadReport().used);
}
BENCHMARK(LoadForecast)->Unit(benchmark::kMillisecond);

void EccodesDecode(benchmark::State& state)
{
    size_t messages = 0;
    for (auto _ : state) {
        FILE* file = std::fopen(kExample.c_str(), "rb");
        if (!file) {
            state.SkipWithError("the example cannot be opened");
            break;
        }
        messages = 0;
        int error = 0;
        std::vector<double> values;
        while (codes_handle* message = codes_handle_new_from_file(nullptr, file, PRODUCT_GRIB, &error)) {
            size_t count = 0;
            codes_get_size(message, "values", &count);
            values.resize(count);
            codes_get_double_array(message, "values", values.data(), &count);
            benchmark::DoNotOptimize(values.data());
            codes_handle_delete(message);
            ++messages;
        }
        std::fclose(file);
    }
    state.counters["messages"] = static_cast<double>(messages);
}
BENCHMARK(EccodesDecode)->Unit(benchmark::kMillisecond);

// varnikapp started over the chart of bench/chartdraw, the example forecast in its program
// folder, the view over the whole forecast and the weather dialog made.
class WeatherScene : public StartedChartProgram {
public:
    WeatherScene()
    {
        std::filesystem::copy_file(kExample, home_.path() / "gribdata.grb");
        Require(WeatherService != nullptr, "no weather manager");
        WeatherService->UnInit();
        Require(WeatherService->Init(MainMapView) == 0 && WeatherService->state() == 1,
                "the weather manager does not start over the example: " + WeatherService->ErrorText());
        MainMapView->SetScale(kWholeAreaScale);
        MainMapView->SetCentre({cmgbase::deg2nrm(kCentreLon), cmgbase::deg2nrm(kCentreLat)});
        RedrawChart(*form_, true);
        dialog_ = std::make_unique<TWeatherDlg>();
        WeatherDlg = dialog_.get();
        dialog_->FormShow();
    }
    ~WeatherScene()
    {
        WeatherDlg = nullptr;
        dialog_.reset();
    }

    TWeatherDlg& dialog() { return *dialog_; }

private:
    std::unique_ptr<TWeatherDlg> dialog_;
};

std::unique_ptr<WeatherScene> TheScene;

WeatherScene& Scene()
{
    if (!TheScene)
        TheScene = std::make_unique<WeatherScene>();
    return *TheScene;
}

void PaintWeatherLayerBench(benchmark::State& state)
{
    WeatherScene& scene = Scene();
    WeatherService->ShowGroup(0, 0);
    for (int32_t group : kLayerGroups)
        WeatherService->ShowGroup(group, 1);
    WeatherService->SetActivePredictionIndex(96);
    for (auto _ : state)
        PaintWeatherLayer(scene.form());
    int drawn = 0;
    const QImage& layer = scene.form().WeatherBitmap;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            drawn += qAlpha(layer.pixel(x, y)) != 0;
    state.counters["drawnPixels"] = drawn;
    if (drawn == 0)
        state.SkipWithError("nothing was drawn");
    WeatherService->ShowGroup(0, 0);
}
BENCHMARK(PaintWeatherLayerBench)->Name("PaintWeatherLayer")->Unit(benchmark::kMillisecond);

void GraphValues(benchmark::State& state)
{
    TWeatherDlg& dialog = Scene().dialog();
    dialog.cklItem->setCurrentRow(static_cast<int>(state.range(0)));
    dialog.selectedItem = static_cast<int32_t>(state.range(0));
    for (auto _ : state)
        dialog.ShowGraph(kCentreLat, kCentreLon);
}
BENCHMARK(GraphValues)->Arg(0)->Arg(2)->ArgNames({"item"})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunOffscreenWidgetBenchmarks(argc, argv, [] { TheScene.reset(); });
}
