// The chart drawn by the map view against GDAL's rasterizer, on the cell US4MD81M (1:80000, with
// its three updates), for a 1920 x 1080 view around 38.97 N 76.45 W at 96 pixels per inch:
// - DrawChart: the map view draws every class of the chart S-52 style ("S52 Other": depth areas,
//   land, contours, soundings, buoys, lights, dangers, names) into a QImage;
// - GdalRasterizeProgram: gdal_rasterize, as on the command line, burns the cell's depth areas
//   and land areas into a GeoTIFF of the same size over the same area;
// - GdalRasterizeOpenCell: the same rasterization through GDAL's library call on the cell opened
//   once, without the start of a program and the reading of the cell.
// Each at 1:80000 and 1:22000.

#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "platform/chartengine/DatabaseManager.h"
#include "platform/chartengine/EngineRegistry.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <gdal_priv.h>
#include <gdal_utils.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

extern char** environ;

using namespace chartengine;

namespace {

const std::filesystem::path kCellFolder = std::filesystem::path(VARNIK_CHARTS_DIR) / "US4MD81M";
const std::filesystem::path kCell = kCellFolder / "US4MD81M.000";
constexpr char kHarmonicsFile[] = "/usr/share/xtide/harmonics-dwf-20191229-free.tcd";
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr double kPixelsPerMetre = 3780.0;

// An engine folder with the cell installed, the tides and a registry store naming it; removed at
// the end of the run.
class Engine {
public:
    Engine()
    {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("bench-chartdraw-" + std::to_string(random()));
        const std::filesystem::path engine = folder_ / "engine";
        InstallReport report;
        if (DatabaseManager(engine).Install(kCellFolder, "Bench", &report) != kOk)
            std::abort();
        std::filesystem::create_directories(engine / kTidesFolderName);
        std::filesystem::create_symlink(kHarmonicsFile, engine / kTidesFolderName / "harmonics.tcd");
        std::ofstream(registry()) << "[" << kEngineKey << "]\n" << kEngineFolderValue << "=" << engine.string() << "\n";
    }
    ~Engine() { std::filesystem::remove_all(folder_); }
    std::filesystem::path registry() const { return folder_ / "registry.ini"; }
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

const Engine& TheEngine()
{
    static const Engine engine;
    return engine;
}

// A started manager and main view showing the chart at the scale.
struct ChartView {
    explicit ChartView(int32_t scale) : manager(TheEngine().registry())
    {
        MapViewState state;
        state.centre = {cmgbase::deg2nrm(-76.45), cmgbase::deg2nrm(38.97)};
        state.scale = scale;
        state.pixelsPerMetreX = state.pixelsPerMetreY = kPixelsPerMetre;
        view = std::make_unique<MapView>(state);
        if (manager.Init(1) != 1 || view->Init(0, &manager) != 1)
            std::abort();
        view->SetDisplayCategory(2);
    }

    // West, south, east, north of the window in degrees.
    std::array<double, 4> AreaDegrees() const
    {
        cmgbase::GeoRect area;
        view->ScreenRectToGeo({-kWidth / 2, kHeight / 2, kWidth / 2, -kHeight / 2}, area);
        return {cmgbase::nrm2deg(area.x1), cmgbase::nrm2deg(area.y1), cmgbase::nrm2deg(area.x2),
                cmgbase::nrm2deg(area.y2)};
    }

    MapManager manager;
    std::unique_ptr<MapView> view;
};

std::vector<std::string> RasterizeArguments(const std::array<double, 4>& area)
{
    std::vector<std::string> arguments = {"-l", "DEPARE", "-l", "LNDARE", "-burn", "255", "-ot", "Byte",
                                          "-ts", std::to_string(kWidth), std::to_string(kHeight), "-te"};
    for (const double edge : area)
        arguments.push_back(std::to_string(edge));
    return arguments;
}

void DrawChart(benchmark::State& state)
{
    ChartView chart(static_cast<int32_t>(state.range(0)));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::gray);
        QPainter painter(&image);
        painter.translate(kWidth / 2, kHeight / 2);
        painter.scale(1, -1);
        chart.view->DrawChart(painter, {-kWidth / 2, kHeight / 2, kWidth / 2, -kHeight / 2});
    }
    if (chart.view->drawn != 1)
        state.SkipWithError("the chart was not drawn");
}
BENCHMARK(DrawChart)->Arg(80000)->Arg(22000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void GdalRasterizeProgram(benchmark::State& state)
{
    const ChartView chart(static_cast<int32_t>(state.range(0)));
    const std::filesystem::path output = TheEngine().folder() / "rasterized.tif";
    std::vector<std::string> arguments = {"gdal_rasterize", "-q", "-of", "GTiff"};
    for (const std::string& argument : RasterizeArguments(chart.AreaDegrees()))
        arguments.push_back(argument);
    arguments.push_back(kCell.string());
    arguments.push_back(output.string());
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    for (auto _ : state) {
        std::filesystem::remove(output);
        pid_t child = 0;
        int status = 0;
        if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0 ||
            waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("gdal_rasterize did not run (is gdal-bin installed?)");
            break;
        }
    }
}
BENCHMARK(GdalRasterizeProgram)->Arg(80000)->Arg(22000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void GdalRasterizeOpenCell(benchmark::State& state)
{
    const ChartView chart(static_cast<int32_t>(state.range(0)));
    GDALAllRegister();
    GDALDatasetUniquePtr cell(GDALDataset::Open(kCell.c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY));
    if (!cell) {
        state.SkipWithError("the cell cannot be opened");
        return;
    }
    std::vector<std::string> arguments = {"-of", "MEM"};
    for (const std::string& argument : RasterizeArguments(chart.AreaDegrees()))
        arguments.push_back(argument);
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    GDALRasterizeOptions* options = GDALRasterizeOptionsNew(argv.data(), nullptr);
    for (auto _ : state) {
        GDALDatasetH raster = GDALRasterize("", nullptr, GDALDataset::ToHandle(cell.get()), options, nullptr);
        if (!raster) {
            state.SkipWithError("the rasterization failed");
            break;
        }
        GDALClose(raster);
    }
    GDALRasterizeOptionsFree(options);
}
BENCHMARK(GdalRasterizeOpenCell)->Arg(80000)->Arg(22000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
