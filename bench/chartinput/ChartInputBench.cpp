// The chart's mouse input at its busiest, in varnikapp started over the default chart database
// (the world base and US4MD81M, as scripts/run installs them) on a 1920 x 1080 view at 1:22000
// around 38.97 N 76.45 W. The LORAN-C readout is on (the Northeast U.S. chain), 200 lights lie
// over the view for the hover, and waypoint 250 of a 500-point route is dragged with the route
// dialog's grid open.
// - MouseMove: CM93MouseMove along a path that keeps 12 px off every light, so that the move's
//   own steps run without the dynamic overlay (which has its own budget). Goal: under 1 ms, so
//   that a 125 Hz pointer never queues moves.
// - MouseMoveOverLights: the same with a light under every pointer position: the overlay runs at
//   each move. For comparison only.
// - WheelStepWithFrame: one wheel step in from 1:22000 with the preview frame of the coming view,
//   then the level back where it was. Goal: under 16 ms.

#include "../OffscreenWidgetBenchmarks.h"

#include "app/ChartCursor.h"
#include "app/EditingState.h"
#include "app/ExternalLibraries.h"
#include "app/RubberBand.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "bench/StartedChartProgram.h"
#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartMarker.h"
#include "chart/ChartRedraw.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/MessageBox.h"
#include "platform/system/ProgramEnd.h"
#include "radarweather/RadarManager.h"
#include "radarweather/WeatherManager.h"
#include "sensors/LoranConverter.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorHooks.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteTable.h"
#include "userdata/TWpDlg.h"
#include "userdata/UserDatabase.h"

#include <QCheckBox>
#include <QTimer>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

namespace {

using namespace startedchart;

constexpr int32_t kInputLevel = 6;  // 1:22000
constexpr int kNortheastUsChain = 11;  // 9960
constexpr int kLightColumns = 20;
constexpr int kLightRows = 10;
constexpr int32_t kDraggedWaypoint = 250;  // 1-based
constexpr int kPathPoints = 256;

// The lights stand on a grid of 20 x 10 cells of 96 x 108 px, each in its cell's middle.
ScreenPoint LightPixel(int column, int row)
{
    return {48 + column * kWidth / kLightColumns, 54 + row * kHeight / kLightRows};
}

class InputScene : public StartedChartProgram {
public:
    InputScene() : StartedChartProgram("bench-chartinput-", kData / "charts", "Default", false)
    {
        ShowInputView();
        PlaceLights();
        DragWaypoint();
        form_->ckLoranPos->setChecked(true);
        Require(Loran && Loran->SelectChain(kNortheastUsChain), "no LORAN-C chain");
    }

    ~InputScene()
    {
        WpDlg = nullptr;
        routeDialog_.reset();
    }

    InputScene(const InputScene&) = delete;
    InputScene& operator=(const InputScene&) = delete;

    // Pointer positions on a circle around the view's middle, each in a light's cell: in its
    // corner (12 px and more off the light) or on the light itself.
    const std::vector<ScreenPoint>& Path(bool overLights)
    {
        std::vector<ScreenPoint>& path = overLights ? overPath_ : clearPath_;
        if (!path.empty())
            return path;
        for (int k = 0; k < kPathPoints; ++k) {
            const double angle = 2.0 * std::numbers::pi * k / kPathPoints;
            const int column = std::clamp(int((0.5 + 0.4 * std::cos(angle)) * kLightColumns), 0, kLightColumns - 1);
            const int row = std::clamp(int((0.5 + 0.4 * std::sin(angle)) * kLightRows), 0, kLightRows - 1);
            const ScreenPoint light = LightPixel(column, row);
            // Consecutive points differ, so that no move is skipped as a repeat.
            const int32_t wobble = k % 2;
            path.push_back(overLights ? ScreenPoint{light.x + wobble, light.y}
                                      : ScreenPoint{light.x - 40 + wobble, light.y - 40});
        }
        return path;
    }

private:
    // The view at 1:22000, its chart also in the work bitmap the overlay draws on.
    void ShowInputView()
    {
        ScreenWidth = kWidth;
        ScreenHeight = kHeight;
        MapView& view = *MainMapView;
        const int32_t scale = int32_t(ChartLevelTable[kInputLevel]);
        Require(view.SetMonitorGeometry(kDiagonalInches, kWidth, kHeight, kWidth, kHeight) == 1 &&
                    view.SetZoomFactors(1.0, 1.0) == 1 && view.SetScale(scale) == 1,
                "the view does not take the metrics and scale");
        view.SetCentre({cmgbase::deg2nrm(kCentreLongitude), cmgbase::deg2nrm(kCentreLatitude)});
        form_->chartLevel = kInputLevel;
        form_->mainScale = scale;
        form_->zoomFactor = 1.0;
        RedrawChart(*form_, true);
        Require(view.drawn == 1 && form_->ChartBackBitmap.size() == QSize(kWidth, kHeight),
                "the chart redraw did not draw the view");
        form_->ChartWorkBitmap = form_->ChartBackBitmap;
    }

    void PlaceLights()
    {
        form_->chartMarkers.clear();
        for (int row = 0; row < kLightRows; ++row) {
            for (int column = 0; column < kLightColumns; ++column) {
                ChartMarker light;
                const ScreenPoint pixel = LightPixel(column, row);
                light.x = pixel.x;
                light.y = pixel.y;
                light.position = GeoAt(pixel.x, pixel.y);
                light.colour = WhiteLight;
                form_->chartMarkers.push_back(light);
            }
        }
    }

    // A route of 500 waypoints over the view, in the table and the route dialog's grid, being
    // edited with one waypoint picked up.
    void DragWaypoint()
    {
        std::vector<cmgbase::GeoPoint> waypoints;
        for (int i = 0; i < MaxRouteWaypoints; ++i)
            waypoints.push_back(GeoAt(60 + (i % 50) * 36, 60 + (i / 50) * 100));
        TakeReceivedRoute(waypoints);
        Require(RouteEntryCount() == MaxRouteWaypoints, "the route did not reach the table");
        // The route dialog as the route bar's grid button opens it.
        routeDialog_ = std::make_unique<TWpDlg>();
        WpDlg = routeDialog_.get();
        WpDlg->show();
        RefreshRouteGrid();
        RouteEditMode = RouteEditing;
        EditingActive = true;
        PickedPoint = kDraggedWaypoint;
    }

    std::unique_ptr<TWpDlg> routeDialog_;
    std::vector<ScreenPoint> clearPath_;
    std::vector<ScreenPoint> overPath_;
};

std::unique_ptr<InputScene> TheScene;

InputScene& Scene()
{
    if (!TheScene)
        TheScene = std::make_unique<InputScene>();
    return *TheScene;
}

void MoveAlong(benchmark::State& state, bool overLights)
{
    InputScene& scene = Scene();
    TForm1& form = scene.form();
    const std::vector<ScreenPoint>& path = scene.Path(overLights);
    size_t k = 0;
    int64_t hovered = 0;
    for (auto _ : state) {
        const ScreenPoint at = path[k++ % path.size()];
        form.CM93MouseMove(form.CM93, Qt::NoModifier, at.x, at.y);
        hovered += HoverMarker >= 0 ? 1 : 0;
    }
    state.counters["hovered"] = benchmark::Counter(double(hovered), benchmark::Counter::kAvgIterations);
    state.counters["draggedX"] = RouteTable[size_t(kDraggedWaypoint - 1)].screenPoint.x;
}

void MouseMove(benchmark::State& state)
{
    MoveAlong(state, false);
}
BENCHMARK(MouseMove)->Unit(benchmark::kMicrosecond);

void MouseMoveOverLights(benchmark::State& state)
{
    MoveAlong(state, true);
}
BENCHMARK(MouseMoveOverLights)->Unit(benchmark::kMicrosecond);

void WheelStepWithFrame(benchmark::State& state)
{
    TForm1& form = Scene().form();
    form.CM93MouseMove(form.CM93, Qt::NoModifier, kWidth / 3, kHeight / 3);
    for (auto _ : state) {
        bool handled = false;
        form.FormMouseWheel(form.CM93, Qt::NoModifier, 120, {kWidth / 3, kHeight / 3}, handled);
        form.chartLevel = kInputLevel;
        Countdowns.chartLevelChange = 0;
    }
    if (form.mainScale != int32_t(ChartLevelTable[kInputLevel]))
        state.SkipWithError("the view zoomed");
}
BENCHMARK(WheelStepWithFrame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunOffscreenWidgetBenchmarks(argc, argv, [] { TheScene.reset(); });
}
