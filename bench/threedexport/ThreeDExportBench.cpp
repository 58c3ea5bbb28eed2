// The 3D export as every full redraw runs it while the 2D or 3D view is on: ExportClip3D over
// US4MD81M (1:80000, with its three updates) in a main view of 1920 x 1080 around 38.97 N
// 76.45 W at 96 pixels per inch, 3D data choice 2 (own data and chart), at 1:80000 and
// 1:22000. In the view: 20,000 recorded seabed depths over its western third, as a survey leaves
// them, and 200 depth marks of data set A; the chart's depths elsewhere are written.
// The recorded depths are handed to the export's point file as the seabed store's export mode
// writes them, one line and one coverage mark each; the reading of the seabed tiles is the
// seabed store's own and is not part of this measure. Goal: under 60 ms each.

#include "bench/InstalledChartView.h"
#include "bench/OffscreenBenchmarks.h"
#include "chart/ChartHooks.h"
#include "chart/ChartWindow.h"
#include "chart/Clip3DExport.h"
#include "frame/DepthExportFile.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserDatabase.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace benchchart;

constexpr int kRecordedColumns = 200;
constexpr int kRecordedRows = 100;  // 20,000 recorded depths
constexpr double kSurveyedShare = 0.3;  // of the view's width, from the west
constexpr int kMarks = 200;

void Require(bool done, const char* what)
{
    if (!done) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

// The export's scene: the main view drawn once at the scale (the export reads the area of the
// view's last draw), data set A in the run's folder with the marks, the recorded depths, and the
// settings of a 3D view showing both kinds of depth.
class ExportScene {
public:
    explicit ExportScene(int32_t scale) : chart_(scale)
    {
        ChartEngine = &chart_.manager;
        MainMapView = chart_.view.get();
        const chartengine::DeviceRect device{-kWidth / 2, kHeight / 2, kWidth / 2, -kHeight / 2};
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.translate(kWidth / 2, kHeight / 2);
        painter.scale(1, -1);
        MainMapView->DrawChart(painter, device);
        area_ = chart_.Area();
        window_.chartRect = {0, 0, kWidth, kHeight};

        StartupDone = true;
        ProgramFolder = TheEngine().folder();
        SetupParameters.ThreeDData = 2;
        SetupParameters.DepthFactor = 1.0f;
        SetupParameters.ThreeDDotSize = 10;
        const UserDatabaseLocation location{home() / "Data_A", home() / "Data_F", home() / "Replay"};
        for (const auto& made : {location.objectFolder, location.seabedFolder, location.aisFolder})
            std::filesystem::create_directories(made);
        Require(OpenUserDatabase(location), "no user database");
        AddMarks();

        std::vector<std::pair<cmgbase::GeoPoint, double>> recorded;
        for (int column = 0; column < kRecordedColumns; ++column)
            for (int row = 0; row < kRecordedRows; ++row)
                recorded.push_back({Inside(kSurveyedShare * (column + 0.5) / kRecordedColumns, (row + 0.5) / kRecordedRows),
                                    -(2.0 + (column * 7 + row * 3) % 150 * 0.1)});
        ChartHook.exportRecordedDepths = [recorded](const cmgbase::GeoRect&) {
            for (const auto& [position, depth] : recorded)
                WriteUserDepth(position, depth);
        };
    }
    ~ExportScene()
    {
        ChartHook.exportRecordedDepths = nullptr;
        CloseUserDatabase();
        std::filesystem::remove_all(home() / "Data_A");
        MainMapView = nullptr;
        ChartEngine = nullptr;
    }
    ExportScene(const ExportScene&) = delete;
    ExportScene& operator=(const ExportScene&) = delete;

    void Export() { ExportClip3D(window_, area_); }
    int32_t ExportedPoints() const
    {
        std::ifstream file(home() / Clip3DFileName);
        std::string line;
        for (int i = 0; i < 5; ++i)
            std::getline(file, line);
        return std::stoi(line.substr(std::strlen("POINTS ")));
    }

private:
    static const std::filesystem::path& home() { return TheEngine().folder(); }

    // The position at a share of the area's width and height from its south-west corner.
    cmgbase::GeoPoint Inside(double east, double north) const
    {
        return {static_cast<int32_t>(area_.x1 + (double(area_.x2) - area_.x1) * east),
                static_cast<int32_t>(area_.y1 + (double(area_.y2) - area_.y1) * north)};
    }

    void AddMarks() const
    {
        for (int i = 0; i < kMarks; ++i) {
            IdRecord mark;
            mark.objectType = ObjectType::SYMBOL;
            mark.id = i + 1;
            const cmgbase::GeoPoint at = Inside((i % 20 + 0.3) / 20, (i / 20 + 0.3) / 10);
            mark.latitude = StoredFromChart(at.y);
            mark.longitude = StoredFromChart(at.x);
            mark.value = uint16_t(50 + i);
            std::snprintf(mark.name, sizeof mark.name, i % 2 ? "@%d" : "/%d.5", i);
            Require(UserIsam.addRecord(IdFile, platform::isam::bytesOf(mark)) == platform::isam::Status::Ok,
                    "a mark was not stored");
        }
    }

    ChartView chart_;
    ChartWindow window_;
    cmgbase::GeoRect area_{};
};

void ExportClip3D(benchmark::State& state)
{
    ExportScene scene(static_cast<int32_t>(state.range(0)));
    for (auto _ : state)
        scene.Export();
    state.counters["points"] = scene.ExportedPoints();
}
BENCHMARK(ExportClip3D)->Arg(80000)->Arg(22000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv)
{
    return RunOffscreenBenchmarks(argc, argv);
}
