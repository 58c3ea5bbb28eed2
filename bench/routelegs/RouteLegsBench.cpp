// Route legs on the main chart of bench/chartdraw: US4MD81M at 1:80000 around 38.97 N 76.45 W in
// a 1920 x 1080 view at 96 pixels per inch.
// - RouteLegs500: a route of 500 waypoints zigzagging over the view (a turn at every waypoint,
//   lanes of 0.1 nm, turns of 0.2 nm radius), followed at its middle so that the wheel-over mark
//   is drawn: every leg with its turn and lane, no chart check, into a 1920 x 1080 bitmap, as a
//   redraw draws them. Goal: under 15 ms.
// - UpdateRouteLegGeometry100: the legs of a route of 100 waypoints over the cell brought up to
//   date: every turn computed and every lane and turn area checked against the chart (the route
//   is not stored, so nothing is written). Goal: under 1 s.

#include "../InstalledChartView.h"
#include "../OffscreenWidgetBenchmarks.h"

#include "app/RouteLegDrawing.h"
#include "app/RouteLegGeometry.h"
#include "app/TForm1.h"
#include "frame/SetupParameters.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteTable.h"

#include <QFrame>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

constexpr int32_t kScale = 80000;
constexpr int kMargin = 60;

// The main view and a main window whose chart is the bench's view.
class RouteScene {
public:
    RouteScene() : chart_(kScale)
    {
        ChartEngine = &chart_.manager;
        MainMapView = chart_.view.get();
        form_ = std::make_unique<TForm1>();
        Form1 = form_.get();
        form_->chartRect = {0, 0, benchchart::kWidth, benchchart::kHeight};
        form_->show();
        form_->WpPanel->show();
        SetupParameters.DefaultLane = 10;
        SetupParameters.DefaultTurnRadius = 20;
        SetupParameters.DefaultRouteSpeed = 100;
        SetupParameters.WheelOverDistance = 20;
        SetupParameters.WheelOverShown = 1;
        SetupParameters.ShowLane = 1;
        SetupParameters.ThickRoute = 1;
        SetupParameters.RouteLegs = 1;
        SetupParameters.SafetyContour = 10;
        SetupParameters.Height = 30;
    }
    ~RouteScene()
    {
        ClearRouteTable();
        Form1 = nullptr;
        form_.reset();
        MainMapView = nullptr;
        ChartEngine = nullptr;
    }
    RouteScene(const RouteScene&) = delete;
    RouteScene& operator=(const RouteScene&) = delete;

    TForm1& form() { return *form_; }

    // `count` waypoints in `rows` rows across the view, each row zigzagging up and down by
    // `zig` pixels, the rows run alternately east and west; the legs, turns and screen points
    // computed, the route shown and followed at its middle.
    void LayRoute(int count, int rows, double zig)
    {
        ClearRouteTable();
        const int perRow = count / rows;
        const double rowHeight = (benchchart::kHeight - 2.0 * kMargin) / (rows - 1);
        for (int i = 0; i < count; ++i) {
            const int row = i / perRow;
            const int step = i % perRow;
            const int column = row % 2 == 0 ? step : perRow - 1 - step;
            const double x = kMargin + column * (benchchart::kWidth - 2.0 * kMargin) / (perRow - 1);
            const double y = kMargin + row * rowHeight + (step % 2 == 0 ? 0.0 : zig);
            WP_typ entry;
            cmgbase::GeoPoint position{};
            if (!MainMapView->ScreenToGeo(form_->chartRect, {int32_t(x), int32_t(y)}, position))
                std::abort();
            entry.position = position;
            if (!AppendRouteEntry(entry))
                std::abort();
        }
        RouteId = RouteNotStored;
        RouteEditMode = RouteShown;
        CurrentWaypoint = count / 2;
        ComputeRouteLegs();
        for (int32_t i = 0; i < RouteEntryCount(); ++i) {
            WP_typ& entry = RouteTable[size_t(i)];
            ScreenPoint pixel{};
            MainMapView->GeoToScreen(form_->chartRect, entry.position, pixel);
            entry.screenPoint = pixel;
        }
        for (int32_t i = 0; i < RouteEntryCount(); ++i)
            ComputeWaypointTurn(i);
    }

private:
    benchchart::ChartView chart_;
    std::unique_ptr<TForm1> form_;
};

std::unique_ptr<RouteScene> TheScene;

RouteScene& Scene()
{
    if (!TheScene)
        TheScene = std::make_unique<RouteScene>();
    return *TheScene;
}

void RouteLegs500(benchmark::State& state)
{
    RouteScene& scene = Scene();
    scene.LayRoute(MaxRouteWaypoints, 10, 40.0);
    QImage bitmap(benchchart::kWidth, benchchart::kHeight, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    for (auto _ : state) {
        QPainter canvas(&bitmap);
        for (int32_t leg = 0; leg + 1 < RouteEntryCount(); ++leg)
            DrawRouteLeg(scene.form(), canvas, leg, true, false);
    }
}
BENCHMARK(RouteLegs500)->Unit(benchmark::kMillisecond);

void UpdateRouteLegGeometry100(benchmark::State& state)
{
    RouteScene& scene = Scene();
    scene.LayRoute(100, 5, 80.0);
    for (auto _ : state)
        UpdateRouteLegGeometry(scene.form());
    int checked = 0;
    for (int32_t i = 0; i + 1 < RouteEntryCount(); ++i)
        checked += RouteTable[size_t(i)].dangerFlags != 0;
    state.counters["legsWithFlags"] = checked;
}
BENCHMARK(UpdateRouteLegGeometry100)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunOffscreenWidgetBenchmarks(argc, argv, [] { TheScene.reset(); });
}
