#pragma once
// varnikapp as its first one-second tick starts it in a program folder of its own (the shipped
// files of data/ and US4MD81M with its updates installed), showing the view of bench/chartdraw:
// US4MD81M at 1:80000 around 38.97 N 76.45 W, a paint box of 1920 x 1080 at 96 pixels per inch.
// For the benchmarks that run the program's own handlers over a real chart: their program
// defines VARNIK_DATA_DIR and links app and platform_chartengine.

#include "app/ExternalLibraries.h"
#include "app/TForm1.h"
#include "app/ThreadTimers.h"
#include "bench/ProgramHome.h"
#include "chart/ChartHooks.h"
#include "chart/ChartRedraw.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/WindowCoordinates.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/MessageBox.h"
#include "platform/system/ProgramEnd.h"
#include "radarweather/RadarManager.h"
#include "radarweather/WeatherManager.h"
#include "sensors/SensorHooks.h"
#include "userdata/RouteHooks.h"
#include "userdata/UserDatabase.h"

#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace startedchart {

inline const std::filesystem::path kData = VARNIK_DATA_DIR;

// The view of bench/chartdraw.
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int32_t kScale = 80000;
constexpr int32_t kLevel = 9;  // the chart level nearest 1:80000 (1:75000)
constexpr double kCentreLatitude = 38.97;
constexpr double kCentreLongitude = -76.45;
constexpr double kPixelsPerMetre = 3780.0;
// The monitor diagonal that gives the 1920 x 1080 screen those pixels per metre; half a pixel
// over, since the view takes the whole part.
inline const double kDiagonalInches = std::hypot(kWidth, kHeight) / ((kPixelsPerMetre + 0.5) * 0.0254);

// Settings: CPA 1.0 nm within 30 minutes, vectors of 6 minutes, 20 target track points shown.
constexpr int16_t kCpaTenths = 10;
constexpr int16_t kTcpaMinutes = 30;
constexpr int kHistoryPoints = 20;

constexpr int kMargin = 20;  // pixels kept free at the edges of the view

[[noreturn]] inline void Fail(const std::string& what)
{
    std::fprintf(stderr, "bench: %s\n", what.c_str());
    std::abort();
}

inline void Require(bool condition, const std::string& what)
{
    if (!condition)
        Fail(what);
}

// The settings record as dta.res holds it: the chart as bench/chartdraw draws it (the engine's
// default layers, resolution 5 for its 3500, contours at 5, 10 and 20 m) with the border
// graduation and the lights on; a 120 m ship; the own track in the mode with depth marks; targets
// with names, tracks and CPA marks; data set A in use.
inline void WriteSettingsFile(const std::filesystem::path& file)
{
    SetupParametersRecord s{};
    s.Length = 120;
    s.Beam = 20;
    s.Draught = 7;
    s.Height = 30;
    s.MonitorSize = 23;
    s.DepthFactor = 1.0f;
    s.ShallowContour = 5;
    s.ShallowContourDepth = 5;
    s.SafetyContour = 10;
    s.DeepContour = 20;
    s.DeepContourDepth = 20;
    s.Resolution = 5;
    // Off: names, contour labels, the shallow pattern and data quality.
    constexpr uint8_t layers[16] = {1, 1, 0, 0, 0, 1, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1};
    std::copy(std::begin(layers), std::end(layers), std::begin(s.ChartLayers));
    s.TrackMode = 2;  // thin line with depth marks
    s.TrackColour = 2;
    s.BoatVector = 6;
    s.VectorInMinutes = 1;
    s.CpaDistance = kCpaTenths;
    s.CpaTime = kTcpaMinutes;
    s.CpaTimeIndex = 4;  // "30 min."
    s.CpaShown = 1;
    s.AisNames = 1;
    s.AisTracks = 1;
    s.AisTrackPoints = kHistoryPoints;
    s.AisTrackIndex = 3;  // "20 min.": 20 points
    s.AisRange = 20;
    s.AisRangeIndex = 3;  // "20 Nm"
    s.TrackFilterColours = 0x3F;
    s.SymbolFilterColours = 0x3F;
    s.DataSetsShown = 1;
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(&s), sizeof s);
}

class StartedChartProgram {
public:
    // US4MD81M with its updates, the settings above, the view of bench/chartdraw.
    StartedChartProgram() : StartedChartProgram("bench-program-", kData / "charts" / "US4MD81M", "Bench", true)
    {
        ShowView();
    }

    ~StartedChartProgram()
    {
        form_.reset();
        Form1 = nullptr;
        ChartHook = {};
        SensorHook = {};
        RouteHook = {};
        CloseUserDatabase();
        UnbindExternalLibraries();
        delete WeatherService;
        delete RadarService;
        delete MiniMapView;
        delete MainMapView;
        delete ChartEngine;
        WeatherService = nullptr;
        RadarService = nullptr;
        MiniMapView = MainMapView = nullptr;
        ChartEngine = nullptr;
        platform::SetProgramEndHandler({});
        platform::InstallMessageBoxService(nullptr);
        std::filesystem::current_path(previousFolder_);
    }

    StartedChartProgram(const StartedChartProgram&) = delete;
    StartedChartProgram& operator=(const StartedChartProgram&) = delete;

    TForm1& form() { return *form_; }

protected:
    // The program started in a folder of its own with the charts of a folder installed as
    // database, and the settings above when benchSettings, else the program's defaults.
    StartedChartProgram(const std::string& prefix, const std::filesystem::path& charts, const std::string& database,
                        bool benchSettings)
        : home_(prefix, kData, charts, database)
    {
        previousFolder_ = std::filesystem::current_path();
        std::filesystem::current_path(home_.path());
        // The folder's own registry store, whatever the environment names.
        setenv("VARNIK_REGISTRY", (home_.path() / "registry.ini").c_str(), 1);
        platform::InstallMessageBoxService(&boxes_);
        platform::SetProgramEndHandler([] {});
        if (benchSettings)
            WriteSettingsFile(home_.path() / "dta.res");
        StartProgram(benchSettings);
    }

    // The first one-second tick starts the program as it starts in use: the settings loaded, the
    // chart engine started and, with the settings above, data set A opened.
    void StartProgram(bool withDataSet)
    {
        form_ = std::make_unique<TForm1>();
        Form1 = form_.get();
        AppRunning = true;
        form_->Timer2Timer();
        form_->Timer1->stop();
        form_->Timer2->stop();
        form_->iThreadTimers1->SetEnabled(2, false);
        // The start-up laid the chart out for the screen it found; the bench's view has its own.
        form_->CM93->resize(kWidth, kHeight);
        if (!StartupDone || !MainMapView || (withDataSet && !UserIsam.isStarted())) {
            for (const platform::MessageBoxRequest& box : boxes_.shown)
                std::fprintf(stderr, "%s: %s\n", box.caption.c_str(), box.text.c_str());
            Fail("the start-up did not finish with the chart (and data set A) open");
        }
    }

    // The view of bench/chartdraw on a 1920 x 1080 screen, drawn by the chart redraw.
    void ShowView()
    {
        ScreenWidth = kWidth;
        ScreenHeight = kHeight;
        MapView& view = *MainMapView;
        Require(view.SetMonitorGeometry(kDiagonalInches, kWidth, kHeight, kWidth, kHeight) == 1 &&
                    view.SetZoomFactors(1.0, 1.0) == 1 && view.SetScale(kScale) == 1 &&
                    view.projectionBlock.devicePixelsPerMetreX == int32_t(kPixelsPerMetre),
                "the view does not take the metrics and scale of bench/chartdraw");
        view.SetCentre({cmgbase::deg2nrm(kCentreLongitude), cmgbase::deg2nrm(kCentreLatitude)});
        view.SetDisplayCategory(2);  // "S52 Other": every class, as bench/chartdraw draws
        form_->chartLevel = kLevel;
        form_->mainScale = kScale;
        form_->zoomFactor = 1.0;
        RedrawChart(*form_, true);
        Require(view.drawn == 1 && form_->ChartBackBitmap.size() == QSize(kWidth, kHeight),
                "the chart redraw did not draw the view");
    }

    cmgbase::GeoPoint GeoAt(double x, double y) const
    {
        cmgbase::GeoPoint position;
        Require(MainMapView->ScreenToGeo(form_->chartRect, {int32_t(std::lround(x)), int32_t(std::lround(y))},
                                         position) == 1,
                "a pixel of the view has no position");
        return position;
    }

    bool InsideView(const cmgbase::GeoPoint& position) const
    {
        ScreenPoint pixel{};
        return MainMapView->GeoToScreen(form_->chartRect, position, pixel) == 1 && pixel.x >= kMargin &&
               pixel.x < kWidth - kMargin && pixel.y >= kMargin && pixel.y < kHeight - kMargin;
    }

    ProgramHome home_;
    std::filesystem::path previousFolder_;
    platform::RecordingMessageBoxService boxes_;
    std::unique_ptr<TForm1> form_;
};

}  // namespace startedchart
