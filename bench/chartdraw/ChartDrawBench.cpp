// The chart drawn by the map view against GDAL's rasterizer, on the cell US4MD81M (1:80000, with
// its three updates), for a 1920 x 1080 view around 38.97 N 76.45 W at 96 pixels per inch:
// - DrawChart: the map view draws every class of the chart S-52 style ("S52 Other": depth areas,
//   land, contours, soundings, buoys, lights, dangers, names) into a QImage;
// - GdalRasterizeProgram: gdal_rasterize, as on the command line, burns the cell's depth areas
//   and land areas into a GeoTIFF of the same size over the same area;
// - GdalRasterizeOpenCell: the same rasterization through GDAL's library call on the cell opened
//   once, without the start of a program and the reading of the cell.
// Each at 1:80000 and 1:22000.

#include "bench/InstalledChartView.h"
#include "bench/OffscreenBenchmarks.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <gdal_priv.h>
#include <gdal_utils.h>

#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

extern char** environ;

using namespace benchchart;

namespace {

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
    return RunOffscreenBenchmarks(argc, argv);
}
