// The chart engine against GDAL on the cell US4MD81M (1:80000, with its three updates):
// - GdalReadCell: GDAL reads the cell, updates applied, every feature with its geometry;
// - InstallCell: the engine installs the cell into its store;
// - OpenAndQueryView: the engine opens the installed database and gives every object of a
//   1920 x 1080 view at 1:80000 over the cell (96 pixels per inch);
// - QueryView: the same query on the open database.

#include "platform/chartengine/ChartDatabaseInstaller.h"
#include "platform/chartengine/GeoDatabase.h"
#include "platform/chartengine/GeoProjection.h"
#include "platform/chartengine/MapViewport.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <benchmark/benchmark.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <filesystem>
#include <random>

using namespace chartengine;

namespace {

const std::filesystem::path kCellFolder = std::filesystem::path(VARNIK_CHARTS_DIR) / "US4MD81M";
constexpr int32_t kViewScale = 80000;
constexpr int32_t kPixelsPerMetre = 3780;

std::filesystem::path TemporaryFolder(const char* name)
{
    std::random_device random;
    return std::filesystem::temp_directory_path() / (std::string(name) + std::to_string(random()));
}

// The installed cell, made once for the benchmarks that read it.
const std::filesystem::path& InstalledDatabase()
{
    static const std::filesystem::path folder = [] {
        const std::filesystem::path database = TemporaryFolder("bench-chart-db-");
        InstallReport report;
        if (InstallChartDatabase(kCellFolder, database, report) != kOk)
            std::abort();
        return database;
    }();
    return folder;
}

// The geographic rectangle of the view centred on the cell.
cmgbase::GeoCover ViewCover()
{
    const auto projection = std::make_shared<GeoProjection>();
    ProjectionBlock block;
    projection->GetBlock(&block);
    block.scale = kViewScale;
    block.centre = {cmgbase::deg2nrm(-76.31), cmgbase::deg2nrm(38.70)};
    block.devicePixelsPerMetreX = block.devicePixelsPerMetreY = kPixelsPerMetre;
    projection->PutBlock(block);
    const MapViewport viewport(projection);
    MetricRect metric;
    viewport.DeviceRectToMetric({-960, 540, 960, -540}, &metric);
    cmgbase::GeoRect area;
    projection->MetricRectToGeoRect(metric, &area);
    cmgbase::GeoCover cover;
    cmgbase::GeoCover__asn_GeoRect(cover, area);
    return cover;
}

size_t QueryView(const GeoDatabase& database, const cmgbase::GeoCover& cover)
{
    std::unique_ptr<GeoDatabaseQuery> query;
    database.NewQuery(&query);
    query->SetCover(cover, kViewScale, kViewScale, -1);
    query->Run();
    std::unique_ptr<ObjectEnumerator> objects;
    query->Objects(&objects);
    size_t count = 0;
    ChartObject object;
    while (objects->Next(&object) == kOk) {
        benchmark::DoNotOptimize(object.ClassCode());
        ++count;
    }
    return count;
}

void GdalReadCell(benchmark::State& state)
{
    GDALAllRegister();
    const char* const options[] = {"UPDATES=APPLY", "RETURN_PRIMITIVES=OFF", "SPLIT_MULTIPOINT=ON", "ADD_SOUNDG_DEPTH=ON",
                                   "LNAM_REFS=ON", nullptr};
    const std::string cell = (kCellFolder / "US4MD81M.000").string();
    for (auto _ : state) {
        GDALDatasetUniquePtr dataset(GDALDataset::Open(cell.c_str(), GDAL_OF_VECTOR, nullptr, options));
        int64_t features = 0;
        for (OGRLayer* layer : dataset->GetLayers())
            for (const auto& feature : *layer) {
                benchmark::DoNotOptimize(feature->GetGeometryRef());
                ++features;
            }
        state.counters["features"] = double(features);
    }
}
BENCHMARK(GdalReadCell)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void InstallCell(benchmark::State& state)
{
    const std::filesystem::path database = TemporaryFolder("bench-chart-install-");
    for (auto _ : state) {
        InstallReport report;
        if (InstallChartDatabase(kCellFolder, database, report) != kOk)
            state.SkipWithError("the cell was not installed");
    }
    std::filesystem::remove_all(database);
}
BENCHMARK(InstallCell)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void OpenAndQueryView(benchmark::State& state)
{
    const std::filesystem::path& folder = InstalledDatabase();
    const cmgbase::GeoCover cover = ViewCover();
    for (auto _ : state) {
        GeoDatabase database(folder);
        database.OpenFolder(folder);
        state.counters["objects"] = double(QueryView(database, cover));
    }
}
BENCHMARK(OpenAndQueryView)->Unit(benchmark::kMillisecond);

void QueryView(benchmark::State& state)
{
    const std::filesystem::path& folder = InstalledDatabase();
    GeoDatabase database(folder);
    database.OpenFolder(folder);
    const cmgbase::GeoCover cover = ViewCover();
    for (auto _ : state)
        state.counters["objects"] = double(QueryView(database, cover));
}
BENCHMARK(QueryView)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(InstalledDatabase());
}
