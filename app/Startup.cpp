#include "app/Startup.h"

#include "app/ChildPrograms.h"
#include "app/ExternalLibraries.h"
#include "app/LngMessage.h"
#include "app/RadarWiring.h"
#include "app/StartupIni.h"
#include "app/SystemColours.h"
#include "app/TForm1.h"
#include "app/TfrmSplash.h"
#include "app/WarningBox.h"
#include "chart/ChartPresentation.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/MessageBox.h"
#include "radarweather/RadarManager.h"
#include "radarweather/TRadarCtrl.h"
#include "radarweather/WeatherManager.h"
#include "sensors/OwnShipState.h"
#include "sensors/TargetTable.h"
#include "userdata/DatabaseReports.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>

#include <algorithm>
#include <optional>

namespace {

constexpr int MinimumWindowSide = 100;

void MakeFolders()
{
    std::error_code ignored;
    for (const auto& path : DataPaths)
        if (!path.empty())
            std::filesystem::create_directories(path, ignored);
    std::filesystem::create_directories(ProgramFolder / "Temp", ignored);
    std::filesystem::create_directories(ProgramFolder / "Info", ignored);
}

void ReadMonitors()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    const QScreen* primary = QGuiApplication::primaryScreen();
    DualMonitor = screens.size() == 2;
    ScreenWidth = primary ? primary->geometry().width() : 0;
    ScreenHeight = primary ? primary->geometry().height() : 0;
    if (DualMonitor) {
        const QRect v = primary->virtualGeometry();
        const WindowPlace place = ThreeDWindowOnSecondMonitor(v.x(), v.y(), v.width(), v.height(),
                                                              ScreenWidth, ScreenHeight);
        ThreeDExchange.windowX = place.x;
        ThreeDExchange.windowY = place.y;
        ThreeDExchange.windowWidth = place.width;
        ThreeDExchange.windowHeight = place.height;
    }
}

void FillDayColours()
{
    UserColourTable = {0, 0x0000FF, 0xFF0000, 0x00C000, 0x00F0FF, 0xFF00FF, 0x000000, 0x00B0FF};
}

template <typename T>
void Release(T*& pointer)
{
    delete pointer;
    pointer = nullptr;
}

// The radar manager on the main view. One whose Init fails shows its error text (a failed call's
// state 2 set back to 1 first); the radar is then off for the run, its button disabled.
void StartRadar(TForm1& form)
{
    RadarService = new RadarManager;
    if (RadarService->Init(MainMapView) == 0) {
        RadarService->statusCallback = ShowRadarStatus;
        ConnectRadar(form);
        return;
    }
    RadarService->ClearCallFailure();
    TakeServiceOff(RadarService->ErrorText(), "Radar Error", RadarAvailable, form.RadarBtn);
    Release(RadarService);
}

}  // namespace

void TakeServiceOff(const std::string& errorText, const std::string& caption, bool& available, QToolButton* button)
{
    ShowWarning(errorText, caption);
    available = false;
    button->setChecked(false);
    button->setEnabled(false);
}

namespace {

// A weather service without data ("gribdata.grb" missing) still starts: its dialog offers an
// update. Only a refused or critical start takes it off.
bool StartWeatherService(TForm1& form)
{
    WeatherService = new WeatherManager;
    if (WeatherService->Init(MainMapView) == 0) {
        WeatherService->statusCallback = ShowWeatherStatus;
        return true;
    }
    TakeServiceOff(WeatherService->ErrorText(), "Weather Error", WeatherAvailable, form.WeatherBtn);
    Release(WeatherService);
    return false;
}

}  // namespace

WindowPlace ThreeDWindowOnSecondMonitor(int vx, int vy, int vw, int vh, int w, int h)
{
    WindowPlace p{};
    if (vx < 0) {
        p = {vx + 1, 0, -vx - 7, 0};
        p.height = 2 * w > vw ? int(p.width * 0.748502994) : vh - 7;
    } else if (vy < 0) {
        p = {1, vy + 1, 0, -vy - 7};
        p.width = 2 * h > vh ? int(p.height * 1.336) : vw - 7;
    } else if (vw > 1.5 * w) {
        p = {w, 0, vw - w - 7, 0};
        p.height = 2 * w > vw ? int(p.width * 0.748502994) : vh - 7;
    } else {
        p = {0, h, 0, vh - h - 7};
        p.width = 2 * h > vh ? int(p.height * 1.336) : vw - 7;
    }
    // A second monitor only a few pixels wide would give no usable window.
    p.width = std::max(p.width, MinimumWindowSide);
    p.height = std::max(p.height, MinimumWindowSide);
    return p;
}

void StartupInit()
{
    ProgramFolder = std::filesystem::current_path();
    InstallNumberedMessageHook(ShowLngMessage);
    ReadStartupIni(ProgramFolder);
    MakeFolders();

    ClockTime = std::make_unique<ClockRecord>();
    DialogValueTable.fill(0);
    ReadMonitors();

    ThreeDGenerator.start(OutsideProgramCommands.threeDGenerator);
    std::fill(std::begin(ThreeDExchange.shipAndCentre), std::end(ThreeDExchange.shipAndCentre), -1);

    FillDayColours();
    ResetOwnShipSensorValues();
    PointTriples[0][0].y = PointTriples[0][1].y = PointTriples[0][2].y = 0;
    MarkAllTargetsFree();

    const bool threeDBound = BindExternalLibraries(ProgramFolder);
    if (!threeDBound && ThreeDGenerator.isStarted())
        ShowWarning("Halvmark library missing", "No 2D/3D");
    // Window transparency, which the radar overlay needs, is always there with Qt.
    RadarAvailable = true;
    WeatherAvailable = true;
    SaveSystemColours();
}

void ApplyMonitorGeometry(MapView& view)
{
    // The screen's own shape: pixels are square on every screen in use, and the 4:3 of the old
    // monitors would stretch the chart on any other.
    view.SetMonitorGeometry(SetupParameters.MonitorSize - 0.2, ScreenWidth, ScreenHeight,
                            ScreenWidth, ScreenHeight);
}

void StartChartEngine(TForm1& form, const std::string& reason)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ChartRestartInProgress = true;
    struct RestartEnd {
        ~RestartEnd()
        {
            ChartRestartInProgress = false;
            QApplication::restoreOverrideCursor();
        }
    } restartEnd;

    if (!reason.empty())
        ShowLngMessage("C-Map", 13, MessageInformation);

    // A restart keeps where the views looked: centre, scale, zoom, monitor metrics, rotation.
    std::optional<MapViewState> mainState, miniState;
    if (MainMapView)
        mainState = MainMapView->ViewState();
    if (MiniMapView)
        miniState = MiniMapView->ViewState();
    ReleaseChartEngine();

    ChartEngine = new MapManager;
    SplashSetStatus(frmSplash, QStringLiteral("C-Map start"));
    if (!ChartEngine->Init(1))
        ShowLngMessage("C-Map", 4, MessageFatal);
    if (StartupAbort)
        return;

    SplashSetStatus(frmSplash, QStringLiteral("C-Map init"));
    MainMapView = mainState ? new MapView(*mainState) : new MapView;
    if (!MainMapView->Init(0, ChartEngine))
        ShowLngMessage("C-Map", 5, MessageFatal);
    if (StartupAbort)
        return;
    ChartEngine->views.push_back(MainMapView);

    SplashSetStatus(frmSplash, QStringLiteral("Presentation"));
    ApplyPresentation(form, 1, 0, 9);
    ApplyMonitorGeometry(*MainMapView);

    SplashSetStatus(frmSplash, QStringLiteral("Antigrounding"));
    MiniMapView = miniState ? new MapView(*miniState) : new MapView;
    if (!MiniMapView->Init(1, ChartEngine))
        ShowLngMessage("C-Map", 6, MessageFatal);
    if (StartupAbort)
        return;
    ChartEngine->views.push_back(MiniMapView);
    ApplyMiniPresentation(form);
    ApplyMonitorGeometry(*MiniMapView);

    if (RadarAvailable) {
        SplashSetStatus(frmSplash, QStringLiteral("Radar"));
        StartRadar(form);
    }
    if (WeatherAvailable) {
        SplashSetStatus(frmSplash, QStringLiteral("Weather"));
        if (StartWeatherService(form))
            GiveWeatherTheChartArea(form);
    }
}

void ReleaseChartEngine()
{
    Release(WeatherService);
    Release(RadarService);
    Release(MiniMapView);
    Release(MainMapView);
    Release(ChartEngine);
}

void GiveWeatherTheChartArea(const TForm1& form)
{
    cmgbase::GeoRect shown;
    if (WeatherService && MainMapView &&
        MainMapView->VisibleGeoRect({0, 0, form.CM93->width(), form.CM93->height()}, shown))
        WeatherService->dataArea = shown;
}
