// The depth numbers of the recorded seabed over the chart: ExportSeabed in its drawing mode, as
// the static overlay calls it, over the 1920 x 1080 view of US4MD81M of bench/chartdraw. 20,000
// recorded cells lie in view, spread evenly over it in the tiles of the coarse grid, stored in
// the seabed file of a user database (in memory where the system has a memory file system).
// Each run reads the tiles of the view from the file, places every cell on the screen and draws
// its number into a 1920 x 1080 picture in the overlay font.
// - DepthNumbers/22000: chart level 6 (1:22000), every cell drawn, "%.0f".
// - DepthNumbers/80000: chart level 9 (1:75000 shows 1:80000 here), one cell in three drawn.
// Goal: under 30 ms each.

#include "bench/InstalledChartView.h"
#include "bench/OffscreenBenchmarks.h"
#include "bench/ScratchFolder.h"
#include "chart/ChartWindow.h"
#include "chart/OverlayFont.h"
#include "chart/OverlayPrimitives.h"
#include "frame/SeabedGrid.h"
#include "frame/SetupParameters.h"
#include "userdata/SeabedExport.h"
#include "userdata/SeabedHooks.h"
#include "userdata/SeabedTiles.h"
#include "userdata/UserDatabase.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <utility>

using namespace benchchart;

namespace {

constexpr int kCellColumns = 200;
constexpr int kCellRows = 100;  // 20,000 cells
constexpr int kMargin = 8;      // pixels kept free at the edges
constexpr int32_t kTextSize = 5;

// The view at a scale with the cells stored under it and the hooks of the main window set.
class SeabedScene {
public:
    SeabedScene(int32_t scale, int32_t level) : chart_(scale), level_(level)
    {
        folder_ = ScratchFolder() / ("bench-seabed-" + std::to_string(std::random_device{}()));
        const UserDatabaseLocation location{folder_ / "Data_A", folder_ / "Data_A", folder_ / "Replay"};
        for (const auto& made : {location.objectFolder, location.aisFolder})
            std::filesystem::create_directories(made);
        if (!OpenUserDatabase(location))
            std::abort();
        SetupParameters.DepthFactor = 1.0f;
        StoreCells();
        SetHooks();
        picture_.fill(Qt::white);
    }
    ~SeabedScene()
    {
        SeabedHook = {};
        CloseUserDatabase();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    SeabedScene(const SeabedScene&) = delete;
    SeabedScene& operator=(const SeabedScene&) = delete;

    // One call of the static overlay's step; the numbers drawn.
    int32_t Draw() { return ExportSeabed(chart_.Area(), SeabedDrawMode).count; }

    const QImage& picture() const { return picture_; }

private:
    const WindowRect window_{0, 0, kWidth, kHeight};

    void StoreCells()
    {
        const SeabedGrid grid(SeabedCoarseResolution);
        std::map<std::pair<int32_t, int32_t>, std::unique_ptr<SeabedTile>> tiles;
        for (int k = 0; k < kCellColumns * kCellRows; ++k) {
            const ScreenPoint pixel{kMargin + (k % kCellColumns) * (kWidth - 2 * kMargin) / kCellColumns,
                                    kMargin + (k / kCellColumns) * (kHeight - 2 * kMargin) / kCellRows};
            cmgbase::GeoPoint position{};
            if (chart_.view->ScreenToGeo(window_, pixel, position) != 1)
                std::abort();
            const SeabedCellPlace place = grid.place(position);
            auto& tile = tiles[{place.row, place.column}];
            if (!tile) {
                tile = std::make_unique<SeabedTile>();
                tile->reset(place.column, place.row);
            }
            tile->at(place.i, place.j) = {uint8_t(place.i), uint8_t(place.j), uint16_t(50 + k % 300), 1};
            tile->changed = true;
        }
        cells_ = 0;
        for (auto& [key, tile] : tiles) {
            cells_ += int32_t(SeabedTileCells(*tile).size());
            if (!StoreSeabedTile(*tile))
                std::abort();
        }
        if (cells_ != kCellColumns * kCellRows)
            std::abort();  // two pixels in one cell: the spread is too dense for the scale
    }

    void SetHooks()
    {
        SeabedHook.tileResolution = [] { return SeabedCoarseResolution; };
        SeabedHook.chartLevel = [this] { return level_; };
        SeabedHook.screenPoint = [this](const cmgbase::GeoPoint& position) -> std::optional<ScreenPoint> {
            ScreenPoint pixel{};
            if (chart_.view->GeoToScreen(window_, position, pixel) != 1)
                return std::nullopt;
            return pixel;
        };
        SeabedHook.drawDepthLabels = [this](std::span<const SeabedDepthLabel> labels) {
            QPainter canvas(&picture_);
            canvas.setFont(ChartOverlayFont(kTextSize));
            for (const SeabedDepthLabel& label : labels)
                DrawOverlayText(overlay_, canvas, label.text, label.colour, label.x, label.y);
        };
    }

    ChartView chart_;
    int32_t level_;
    std::filesystem::path folder_;
    int32_t cells_ = 0;
    ChartWindow overlay_;
    QImage picture_{kWidth, kHeight, QImage::Format_RGB32};
};

void DepthNumbers(benchmark::State& state)
{
    const int32_t scale = int32_t(state.range(0));
    SeabedScene scene(scale, scale == 22000 ? 6 : 9);
    int32_t drawn = 0;
    for (auto _ : state)
        drawn = scene.Draw();
    state.counters["drawn"] = drawn;
    if (drawn == 0)
        state.SkipWithError("no depth number was drawn");
}
BENCHMARK(DepthNumbers)->Arg(22000)->Arg(80000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
