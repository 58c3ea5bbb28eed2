#include "StartedProgram.h"

#include "app/ExternalLibraries.h"
#include "app/ShutdownIo.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "frame/PortSettings.h"
#include "chart/ChartHooks.h"
#include "chart/ChartRedraw.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "frame/SharedTables.h"
#include "platform/chartengine/ChartTestSupport.h"
#include "platform/system/RegistryStore.h"
#include "platform/system/SystemClock.h"
#include "radarweather/RadarManager.h"
#include "radarweather/WeatherManager.h"
#include "sensors/OutputTestSupport.h"
#include "sensors/SensorHooks.h"
#include "sensors/TSetupPort.h"
#include "sensors/SetupSensorHooks.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/RouteHooks.h"
#include "userdata/SearchPatterns.h"
#include "userdata/SeabedHooks.h"
#include "userdata/UserDatabase.h"

#include <QTimer>
#include <QWidget>

#include <chrono>
#include <fstream>

namespace {

const std::filesystem::path OutsideLibraries = OUTSIDE_LIBRARIES_DIR;
const std::filesystem::path ShippedData = std::filesystem::path(VARNIK_SOURCE_DIR) / "data";

}  // namespace

void LayOutProgramFolder(const std::filesystem::path& folder, const std::filesystem::path& engine,
                         const std::string& language)
{
    charttest::WriteRegistry(platform::DefaultRegistryStoreFile(folder), engine, false);
    for (const auto& entry : std::filesystem::directory_iterator(OutsideLibraries / "complete"))
        std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
    for (const char* picture : {"symbols.bmp", "IdPic.bmp"})
        std::filesystem::copy_file(ShippedData / picture, folder / picture);
    std::ofstream(folder / "Startup.ini") << "[Programs]\nThreeDGenerator=\n";
    std::ofstream(folder / "english.lng") << language;
}

std::unique_ptr<TForm1> StartProgram(QSize chartSize)
{
    SetTickClock([] { return platform::ClockTime(std::chrono::seconds(1796860800 + 12 * 3600 + 30 * 60)); });
    auto form = std::make_unique<TForm1>();
    Form1 = form.get();
    AppRunning = true;
    form->Timer2Timer();
    // The start-up lets a GPS date set the machine clock; a test's recorded dates must never
    // reach the clock of the test machine, also when the tests run as root.
    platform::AllowMachineClockSetting(false);
    form->Timer1->stop();
    form->Timer2->stop();
    // The start-up gave the chart the screen's size; a test's smaller chart is drawn anew.
    if (chartSize.isValid() && StartupDone) {
        form->CM93->resize(chartSize);
        RedrawChart(*form, true);
    }
    return form;
}

void StopProgram(std::unique_ptr<TForm1>& form)
{
    // As the program ends: the input and output first, then the window.
    ShutdownIo();
    form.reset();
    Form1 = nullptr;
    ChartHook = {};
    SensorHook = {};
    SetupSensorHook = {};
    RouteHook = {};
    SearchPatternHook = {};
    ObjectDialogHook = {};
    SeabedHook = {};
    SetupPortHook = {};
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
    SetTickClock({});
    platform::ResetClockCorrection();
    ResetTickState();
}

void Com2ProgramTest::startWithCom2(const std::string& mainIni)
{
    ResetSensorSide();
    ResetOutputSide();
    ResetTickState();
    platform::SetSerialDevicePath(1, gps.path());
    LayOutProgramFolder(folder, engine(), "");
    writeFile("VarnikV3.ini", mainIni);
    form = StartProgram(QSize(400, 300));
    ASSERT_TRUE(StartupDone);
}

void Com2ProgramTest::TearDown()
{
    if (form)
        StopProgram(form);
    platform::SetSerialDevicePath(1, "");
    WritePortSettings(PortSettings{});
    ResetOutputSide();
    ResetSensorSide();
    HarbourProgramTest::TearDown();
}
