// The chart side of the main window as the start-up wires it: the program's first tick starts the
// chart engine over a real chart database, binds the test libraries of the outside programs and
// fills the chart's and the user database's hooks; the tests then work the chart through them.

#include "SetupTestSupport.h"
#include "StartedProgram.h"

#include "app/ExternalLibraries.h"
#include "app/MainWindowControls.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TickClock.h"
#include "app/TickState.h"
#include "chart/ChartHooks.h"
#include "chart/ChartLevels.h"
#include "chart/ChartRedraw.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "platform/chartengine/ChartTestSupport.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "platform/system/RegistryStore.h"
#include "platform/system/SerialPort.h"
#include "radarweather/RadarManager.h"
#include "radarweather/WeatherManager.h"
#include "sensors/ComPortControl.h"
#include "sensors/SensorHooks.h"
#include "sensors/TSetupPort.h"
#include "sensors/SensorSettings.h"
#include "sensors/TSetupSensor.h"
#include "app/DataSets.h"
#include "app/EditingState.h"
#include "userdata/RouteHooks.h"
#include "userdata/UserDatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <fstream>
#include <memory>

namespace {


int32_t Degrees600000(int32_t normalised) { return int32_t(cmgbase::nrm2deg(normalised) * 600000.0); }

class ChartSideTest : public HarbourProgramTest {
protected:
    void SetUp() override
    {
        HarbourProgramTest::SetUp();
        ResetTickState();
        LayOutProgramFolder(folder, engine(), "[C-Map]\n10=No mini scale\n13=Chart engine restarted\n");
        beforeStartup();
        form = StartProgram(QSize(400, 300));
        ASSERT_TRUE(StartupDone);
        ASSERT_NE(MainMapView, nullptr);
        ASSERT_TRUE(NameBaseAvailable);
        nameBase_.load(folder, "Vestrin.DLL");
    }

    void TearDown() override
    {
        StopProgram(form);
        nameBase_.unload();
        HarbourProgramTest::TearDown();
    }

    // Files of the program folder a test wants the start-up to read.
    virtual void beforeStartup() {}

    // The last arguments the name-base library received: north, south, west, east, limit.
    std::array<int32_t, 5> nameBaseLimits() const
    {
        const auto limit = nameBase_.entry<int32_t (*)(int32_t)>("test_limit");
        return {limit(0), limit(1), limit(2), limit(3), limit(4)};
    }
    int32_t nameBaseLimitCalls() const { return nameBase_.entry<int32_t (*)()>("test_limit_calls")(); }

    std::unique_ptr<TForm1> form;

private:
    platform::SharedLibrary nameBase_;
};

const cmgbase::GeoPoint HarbourCell = {cmgbase::deg2nrm(60.915), cmgbase::deg2nrm(-32.485)};

}  // namespace

TEST_F(ChartSideTest, EveryRedrawGivesTheNameBaseTheShownAreaAndTheScaleLimit)
{
    const struct {
        int32_t level;
        int32_t limit;  // the engine scale x 2.5, at least 50000
    } cases[] = {
        {0, 50000},        // 1:1500
        {6, 55000},        // 1:22000
        {13, 1500000},     // 1:500000, drawn by the engine at 1:600000
        {16, 50000000},    // 1:20M
    };
    MainMapView->SetCentre(HarbourCell);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        const int32_t callsBefore = nameBaseLimitCalls();
        FastTick.nameBaseBlink = 3;
        form->chartLevel = c.level;
        SetChartLevel(*form);

        EXPECT_EQ(nameBaseLimitCalls(), callsBefore + 1);
        const auto [north, south, west, east, limit] = nameBaseLimits();
        EXPECT_EQ(north, Degrees600000(ViewGeoRect.y2));
        EXPECT_EQ(south, Degrees600000(ViewGeoRect.y1));
        EXPECT_EQ(west, Degrees600000(ViewGeoRect.x1));
        EXPECT_EQ(east, Degrees600000(ViewGeoRect.x2));
        EXPECT_GT(north, -32.485 * 600000);
        EXPECT_LT(south, -32.485 * 600000);
        EXPECT_LT(west, 60.915 * 600000);
        EXPECT_GT(east, 60.915 * 600000);
        EXPECT_EQ(limit, c.limit);
        EXPECT_EQ(FastTick.nameBaseBlink, 9) << "the mark is shown again at the next 100 ms tick";
    }
}

TEST_F(ChartSideTest, AChartFailureReachesTheLanguageMessagesAndTheEngineRestart)
{
    boxes.shown.clear();

    // A mini view without its engine objects refuses its scale: message 10 of "C-Map".
    MiniMapView->Release();
    form->miniChartLevel = 5;
    SetMiniChartLevel(*form);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "C-Map");
    EXPECT_EQ(boxes.shown[0].text, "No mini scale");
    EXPECT_EQ(boxes.shown[0].icon, platform::MsgIcon::Exclamation);

    // A main view without a palette for its new bitmaps: the redraw restarts the engine with the
    // frame's start.
    boxes.shown.clear();
    const MapView* failed = MainMapView;
    MainMapView->viewPalette.reset();
    form->mainResizePending = true;
    RedrawChart(*form, true);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown[0].caption, "C-Map");
    EXPECT_EQ(boxes.shown[0].text, "Chart engine restarted");
    ASSERT_NE(MainMapView, nullptr);
    EXPECT_NE(MainMapView, failed);
    EXPECT_NE(MainMapView->viewPalette, nullptr);
    EXPECT_FALSE(StartupAbort);
    EXPECT_EQ(programEndRequests, 0);
}

TEST_F(ChartSideTest, AUserDatabaseThatCannotBeMadeStopsWithTheLanguageMessageOfItsStep)
{
    boxes.shown.clear();
    const std::filesystem::path setB = DataPaths[DataPathSetA + 1];
    std::filesystem::remove_all(setB);
    std::ofstream(setB) << "not a folder";
    ASSERT_FALSE(std::filesystem::exists(folder / "dta.res"));

    EXPECT_FALSE(SelectUserDatabase(2));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption.rfind("id ", 0), 0u) << boxes.shown[0].caption;
    EXPECT_EQ(boxes.shown[0].icon, platform::MsgIcon::Stop);
    EXPECT_TRUE(StartupAbort);
    // After the start-up the program ends through its exit, once the data-set switch has
    // returned: the settings are saved on the way.
    EXPECT_EQ(programEndRequests, 0);
    EXPECT_TRUE(EventsUntil([this] { return programEndRequests == 1; }));
    EXPECT_TRUE(std::filesystem::exists(folder / "dta.res"));
}

TEST_F(ChartSideTest, TheWeatherServiceAsksForTheAreaTheMainChartShows)
{
    // The weather service started without a box; it takes the area of the chart as it is now,
    // before any redraw of it.
    ASSERT_NE(WeatherService, nullptr);
    EXPECT_GT(WeatherService->state(), 0);
    EXPECT_TRUE(form->WeatherBtn->isEnabled());
    MainMapView->SetCentre(HarbourCell);
    form->chartLevel = 10;
    SetChartLevel(*form);
    form->CM93->resize(640, 480);
    GiveWeatherTheChartArea(*form);
    RedrawChart(*form, true);
    EXPECT_EQ(WeatherService->dataArea, ViewGeoRect);
}

TEST_F(ChartSideTest, TheChartRedrawCountDownSetsTheOverlayFontByTheTextSize)
{
    const struct {
        int16_t textSize;
        const char* family;
        int pointSize;
    } cases[] = {
        {0, "SmallFonts", 5},
        {3, "SmallFonts", 8},
        {4, "MS Sans Serif", 7},
        {12, "MS Sans Serif", 15},
    };
    const QStringList installed = QFontDatabase::families();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.textSize);
        SetupParameters.Resolution = c.textSize;
        Countdowns.chartRedraw = 1;
        form->Timer2Timer();

        EXPECT_EQ(form->overlayFont.family(), QLatin1String(c.family));
        EXPECT_EQ(form->overlayFont.pointSize(), c.pointSize);
        // Drawn in a face of this system, at the size asked for.
        const QFontInfo drawn(form->overlayFont);
        EXPECT_TRUE(installed.contains(drawn.family())) << drawn.family().toStdString();
        EXPECT_EQ(drawn.pointSize(), c.pointSize);
    }
}

// The look-ahead button and its minimum speed on a bare main window.
TEST(MiniChartCorner, TheLookButtonAndItsSpeedLieOverTheMiniChartsTopLeftCorner)
{
    QMainWindow window;
    MainWindowControls c;
    BuildMainWindowControls(window, c);
    window.resize(1024, 768);
    c.MainPanel->show();
    c.edMiniSpeed->show();
    c.udMiniSpeed->show();
    window.show();
    QApplication::processEvents();

    for (QWidget* control : {static_cast<QWidget*>(c.pnMiniAuto), static_cast<QWidget*>(c.edMiniSpeed),
                             static_cast<QWidget*>(c.udMiniSpeed)}) {
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_EQ(control->parentWidget(), c.CM93mini);
        EXPECT_TRUE(control->isVisible());
        EXPECT_LT(control->geometry().right(), c.CM93mini->width()) << "within the mini chart's width";
    }
    EXPECT_EQ(c.pnMiniAuto->pos(), QPoint(1, 1));
    EXPECT_EQ(c.btnMiniAuto->parentWidget(), c.pnMiniAuto);
    EXPECT_EQ(c.edMiniSpeed->pos(), QPoint(126, 1));
    EXPECT_EQ(c.udMiniSpeed->pos(), QPoint(141, 1));
    EXPECT_LT(c.pnMiniAuto->geometry().right(), c.edMiniSpeed->x());
    EXPECT_LT(c.edMiniSpeed->geometry().right(), c.udMiniSpeed->x());
    // The mini chart has the top of the side panel to itself.
    EXPECT_LE(c.CM93mini->y(), 4);
}

// The sensor set-up dialog saves and hands its settings on through what the start-up wired.
TEST_F(ChartSideTest, TheSensorDialogSavesThroughTheStartUpsHooks)
{
    SetupSensor = new TSetupSensor;
    SetupSensor->show();
    SetupSensor->csDptDpt->setValue(4);
    SetupSensor->OKBtn->click();
    delete SetupSensor;
    SetupSensor = nullptr;

    EXPECT_EQ(SensorSetup.depthSurface, 4);
    EXPECT_TRUE(std::filesystem::exists(folder / "dta.res"));
    EXPECT_TRUE(std::filesystem::exists(folder / "VarnikV3.ini"));
}

namespace {

// The TCP connection the installation's VarnikV3.ini sets up (read after dta.res) is opened at
// the end of the first tick, to that file's address and port.
class StartupTcpTest : public ChartSideTest {
protected:
    void beforeStartup() override
    {
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
        writeFile("VarnikV3.ini", "[PortActive]\nIP=1\n[TCP/IP]\nAdr=127.0.0.1\nPort=" +
                                      std::to_string(server.serverPort()) + "\n");
    }
    void TearDown() override
    {
        ChartSideTest::TearDown();
        WritePortSettings(PortSettings{});
    }

    QTcpServer server;
};

TEST_F(StartupTcpTest, TheFirstTickOpensTheConnectionTheMainIniFileSetsUp)
{
    QElapsedTimer timer;
    timer.start();
    while (!form->SocketConnected && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(form->SocketConnected);
    EXPECT_TRUE(server.hasPendingConnections());
}

// An active COM port whose device is missing at the start brings the port set-up up at the end
// of the first tick, which reports the port once; the dialog is not brought up again.
class StartupLostPortTest : public ChartSideTest {
protected:
    void beforeStartup() override
    {
        platform::SetSerialDevicePath(1, (folder / "ttyMissing").string());
        writeFile("VarnikV3.ini", "[PortActive]\n2=1\n");
        SetupPort = new TSetupPort;
    }
    void TearDown() override
    {
        delete SetupPort;
        SetupPort = nullptr;
        ChartSideTest::TearDown();
        platform::SetSerialDevicePath(1, "");
        WritePortSettings(PortSettings{});
        ComPortError = false;
        ComPortOpenedAtStart = {};
        ComPortLostCheckPending = false;
        PortDialogRequested = false;
    }
};

TEST_F(StartupLostPortTest, TheFirstTickShowsThePortSetupWhichReportsTheLostPortOnce)
{
    EXPECT_TRUE(SetupPort->isVisible());
    EXPECT_FALSE(PortDialogRequested);
    const auto lost = [this] {
        return std::count_if(boxes.shown.begin(), boxes.shown.end(),
                             [](const platform::MessageBoxRequest& box) { return box.text == "Port COM2 lost."; });
    };
    QCoreApplication::processEvents();
    EXPECT_EQ(lost(), 1);

    SetupPort->hide();
    form->Timer2Timer();
    QCoreApplication::processEvents();
    EXPECT_FALSE(SetupPort->isVisible());
    EXPECT_EQ(lost(), 1);
}

}  // namespace
