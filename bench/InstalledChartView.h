#pragma once
// The chart of the benchmarks that draw over a real chart: US4MD81M (1:80000, with its three
// updates) installed for the chart engine, and a started map manager with its main view showing
// a 1920 x 1080 window around 38.97 N 76.45 W at 96 pixels per inch.

#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "platform/chartengine/DatabaseManager.h"
#include "platform/chartengine/EngineRegistry.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

namespace benchchart {

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
        folder_ = std::filesystem::temp_directory_path() / ("bench-chart-" + std::to_string(random()));
        const std::filesystem::path engine = folder_ / "engine";
        chartengine::InstallReport report;
        if (chartengine::DatabaseManager(engine).Install(kCellFolder, "Bench", &report) != chartengine::kOk)
            std::abort();
        std::filesystem::create_directories(engine / chartengine::kTidesFolderName);
        std::filesystem::create_symlink(kHarmonicsFile, engine / chartengine::kTidesFolderName / "harmonics.tcd");
        std::ofstream(registry()) << "[" << chartengine::kEngineKey << "]\n"
                                  << chartengine::kEngineFolderValue << "=" << engine.string() << "\n";
    }
    ~Engine() { std::filesystem::remove_all(folder_); }
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    std::filesystem::path registry() const { return folder_ / "registry.ini"; }
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

inline const Engine& TheEngine()
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

    // The window in normalised coordinates: west, south, east, north.
    cmgbase::GeoRect Area() const
    {
        cmgbase::GeoRect area;
        view->ScreenRectToGeo({-kWidth / 2, kHeight / 2, kWidth / 2, -kHeight / 2}, area);
        return area;
    }

    // The same in degrees.
    std::array<double, 4> AreaDegrees() const
    {
        const cmgbase::GeoRect area = Area();
        return {cmgbase::nrm2deg(area.x1), cmgbase::nrm2deg(area.y1), cmgbase::nrm2deg(area.x2),
                cmgbase::nrm2deg(area.y2)};
    }

    MapManager manager;
    std::unique_ptr<MapView> view;
};

}  // namespace benchchart
