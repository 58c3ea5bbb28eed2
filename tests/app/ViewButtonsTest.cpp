// The tool bar's view buttons on the main window as the start-up wires it, over the chart
// US4MD81M: the tool dialog, the chart orientation, the S-52 button, the 2D and 3D views with the
// 3D test library and a real viewer program, and the weather and radar buttons with the services
// as the start-up leaves them.

#include "SetupTestSupport.h"
#include "StartedProgram.h"

#include "app/ChildPrograms.h"
#include "app/ControlBehaviour.h"
#include "app/ExternalLibraries.h"
#include "app/ShutdownIo.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "app/TimerClock.h"
#include "chart/MapView.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/SharedLibrary.h"
#include "radarweather/RadarManager.h"
#include "radarweather/TRadar.h"
#include "radarweather/TRadarCtrl.h"
#include "radarweather/TWeatherDlg.h"
#include "radarweather/WeatherManager.h"
#include "sensors/OwnShipState.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <memory>

namespace {

constexpr int Tab3DPage = 3;
constexpr int TabAisPage = 4;

// The shut-down's pauses pass at once.
class ImmediateClock final : public TimerClock {
public:
    bool Wait(std::chrono::milliseconds, std::stop_token) override { return true; }
};

class ViewButtonsTest : public BayChartTest {
protected:
    void SetUp() override
    {
        BayChartTest::SetUp();
        ResetTickState();
        LayOutProgramFolder(folder, engine(), "");
        // The 3D viewer: notes the folder it runs in, then stays until it is ended.
        writeFile("viewer.sh", "#!/bin/sh\npwd >> viewer.log\nexec sleep 30\n");
        std::filesystem::permissions(folder / "viewer.sh", std::filesystem::perms::owner_all);
        writeFile("Startup.ini", "[Programs]\nThreeDGenerator=\nThreeDViewer=./viewer.sh\n");
        form = StartProgram(QSize(800, 600));
        ASSERT_TRUE(StartupDone);
        ASSERT_NE(MainMapView, nullptr);
        ASSERT_TRUE(threeD.load(folder, "Halvmark.DLL"));
        ASSERT_TRUE(nameBase.load(folder, "Vestrin.DLL"));
        entry<void (*)()>("test_reset")();
        startBoxes = boxes.shown;
        boxes.shown.clear();
        WeatherDlg = new TWeatherDlg;
        Radar = new TRadar;
        RadarCtrl = new TRadarCtrl;
        RadarCtrl->resize(230, 400);
        SetShutdownClock(&clock);
    }

    void TearDown() override
    {
        ThreeDViewer.endAfter(0);
        delete WeatherDlg;
        delete Radar;
        delete RadarCtrl;
        WeatherDlg = nullptr;
        Radar = nullptr;
        RadarCtrl = nullptr;
        entry<void (*)()>("test_reset")();
        StopProgram(form);
        threeD.unload();
        nameBase.unload();
        SetShutdownClock(nullptr);
        BayChartTest::TearDown();
    }

    template <typename Fn>
    Fn entry(const char* name) const
    {
        return threeD.entry<Fn>(name);
    }
    int32_t statusA() const { return entry<int32_t (*)()>("_tGetStatA")(); }
    void setStatusA(int32_t word) const { entry<void (*)(int32_t)>("_tPutStatA")(word); }
    void setStatusC(int32_t word) const { entry<void (*)(int32_t)>("_tPutStatC")(word); }
    int32_t fetches() const { return entry<int32_t (*)()>("test_fetches")(); }
    // Each main chart redraw tells the name base the area it shows.
    int32_t redraws() const { return nameBase.entry<int32_t (*)()>("test_limit_calls")(); }

    // The user picks an orientation in DispMode.
    void orient(int orientation)
    {
        form->DispMode->setCurrentIndex(orientation);
        emit form->DispMode->activated(orientation);
    }

    // The folders the viewers started so far ran in, one line each.
    std::vector<std::string> viewerStarts() const
    {
        std::vector<std::string> lines;
        std::ifstream log(folder / "viewer.log");
        for (std::string line; std::getline(log, line);)
            lines.push_back(line);
        return lines;
    }
    bool viewerStartsReach(size_t count) const
    {
        return EventsUntil([&] { return viewerStarts().size() >= count; });
    }

    bool tabShown(int page) const { return form->ToolDlg->isTabVisible(page); }

    std::unique_ptr<TForm1> form;
    platform::SharedLibrary threeD;
    platform::SharedLibrary nameBase;
    std::vector<platform::MessageBoxRequest> startBoxes;
    ImmediateClock clock;
};

TEST_F(ViewButtonsTest, TheToolDialogShowsAboveThePanelBelowItAndLeavesDataDelete)
{
    const struct {
        const char* name;
        bool toolDown;
        bool routePanel;  // WpPanel shown
    } cases[] = {
        {"down, no route panel", true, false},
        {"down, route panel", true, true},
        {"up", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetupParameters.DataChoice = 2;
        SetRadioGroupItem(form->rgDataData, 2);
        form->WpPanel->setVisible(c.routePanel);
        form->ToolBtn->setChecked(!c.toolDown);
        form->ToolBtn->click();

        EXPECT_EQ(form->ToolDlg->isHidden(), !c.toolDown);
        if (c.toolDown) {
            const QWidget* below = c.routePanel ? static_cast<QWidget*>(form->WpPanel) : form->Notice;
            EXPECT_EQ(form->ToolDlg->y(), below->y() - form->ToolDlg->height() - 2);
        }
        EXPECT_EQ(Value(SetupParameters.DataChoice), 1);
        EXPECT_EQ(RadioGroupItem(form->rgDataData), 1);
    }
}

// The rotation the handler sets, and the one the redraw then gives the main view: north up 0,
// head and course up the displayed course, the 3D view mode the radar's course-up course, after
// which the redraw's 3D rule turns the chart by the radar's orientation letter.
TEST_F(ViewButtonsTest, TheOrientationTurnsTheChartAndEnablesTheViewsOnlyNorthUp)
{
    OwnShip.displayCourse = 40.0f;
    OwnShip.courseUpReference = 75.0f;
    const struct {
        int orientation;
        char radarRotation;
        double shownRotation;
    } cases[] = {
        {1, 'C', 40.0}, {2, 'C', 40.0}, {3, 'C', 75.0}, {3, 'N', 0.0}, {3, 'H', 40.0}, {0, 'C', 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "orientation " << c.orientation << " radar " << c.radarRotation);
        OwnShip.radarRotation = c.radarRotation;
        const int32_t before = redraws();
        orient(c.orientation);

        const bool northUp = c.orientation == 0;
        EXPECT_EQ(form->Show2DBtn->isEnabled(), northUp);
        EXPECT_EQ(form->Show3DBtn->isEnabled(), northUp);
        EXPECT_EQ(bool(form->cklChart->item(11)->flags() & Qt::ItemIsEnabled), northUp);
        EXPECT_EQ(bool(form->cklChart->item(10)->flags() & Qt::ItemIsEnabled), true);
        EXPECT_EQ(form->threeDViewMode, c.orientation == 3);
        EXPECT_EQ(redraws(), before + 1);
        EXPECT_DOUBLE_EQ(MainMapView->ViewState().rotation, c.shownRotation);
    }

    // While a redraw is under way the choice waits for the next one, with the 3D redraw asked for.
    form->redrawing = true;
    orient(3);
    EXPECT_FLOAT_EQ(form->viewRotation, 75.0f);
    EXPECT_TRUE(form->threeDViewMode);
    EXPECT_TRUE(form->threeDRedrawPending);
    EXPECT_TRUE(form->chartRedrawRequest);
    form->redrawing = false;
}

TEST_F(ViewButtonsTest, TheS52ButtonSetsTheDisplayModeAndClosesTheViews)
{
    const struct {
        const char* name;
        bool s52Down;
        bool twoD;
        bool threeD;
        uint8_t displayMode;
        int32_t variant;  // the main view's symbolization: 1 S-52, 0 the engine's own
    } cases[] = {
        {"down with the 2D view", true, true, false, 0, 1},
        {"down with the 3D view", true, false, true, 0, 1},
        {"up", false, false, false, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        setStatusA(0);
        form->rbBase->setChecked(true);
        form->Show2DBtn->setChecked(c.twoD);
        form->Show3DBtn->setChecked(c.threeD);
        form->DispMode->setEnabled(!c.twoD && !c.threeD);
        form->S52Btn->setChecked(!c.s52Down);
        form->S52Btn->click();

        EXPECT_EQ(Value(SetupParameters.DisplayMode), c.displayMode);
        EXPECT_EQ(form->rbFull->isChecked(), c.s52Down);
        EXPECT_FALSE(form->Show2DBtn->isChecked());
        EXPECT_FALSE(form->Show3DBtn->isChecked());
        EXPECT_TRUE(form->DispMode->isEnabled()) << "the view's own handler ran";
        EXPECT_EQ(statusA() & 0x200, c.threeD ? 0x200 : 0) << "the 3D view was closed";
        EXPECT_EQ(MainMapView->presentationVariant, c.variant);
    }
}

TEST_F(ViewButtonsTest, The2DViewTakesTheToolPagesAndTheProgramFolder)
{
    form->ToolDlg->setCurrentIndex(TabAisPage);
    SetupParameters.DataChoice = 2;
    form->rbStd->setChecked(true);
    const std::filesystem::path elsewhere = folder / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    std::filesystem::current_path(elsewhere);
    int32_t before = redraws();
    form->Show2DBtn->click();

    EXPECT_EQ(std::filesystem::current_path(), ProgramFolder);
    EXPECT_FALSE(form->DispMode->isEnabled());
    EXPECT_TRUE(form->rbFull->isChecked());
    EXPECT_EQ(redraws(), before + 1);
    EXPECT_EQ(Value(SetupParameters.DataChoice), 1);
    EXPECT_TRUE(tabShown(Tab3DPage));
    EXPECT_FALSE(tabShown(TabAisPage));
    EXPECT_EQ(form->ToolDlg->currentIndex(), Tab3DPage);

    before = redraws();
    form->Show2DBtn->click();
    EXPECT_TRUE(form->DispMode->isEnabled());
    EXPECT_EQ(redraws(), before + 1);
    EXPECT_TRUE(tabShown(TabAisPage));
    EXPECT_FALSE(tabShown(Tab3DPage));
    EXPECT_EQ(form->ToolDlg->currentIndex(), TabAisPage);

    // The 3D view keeps the 2D/3D page while the 2D view closes.
    form->Show3DBtn->click();
    form->Show2DBtn->click();
    form->Show2DBtn->click();
    EXPECT_TRUE(tabShown(Tab3DPage));
    EXPECT_FALSE(form->DispMode->isEnabled());
}

// In the narrow side panel the tab bar scrolls; its right arrow must reach the last page shown
// whichever of "2D/3D" and "Target" is hidden.
TEST_F(ViewButtonsTest, TheScrollArrowsReachTheLastToolPageOnEitherSide)
{
    form->ToolDlg->show();
    QTabBar* bar = form->ToolDlg->tabBar();
    QToolButton* right = nullptr;
    for (auto* button : bar->findChildren<QToolButton*>())
        if (button->arrowType() == Qt::RightArrow)
            right = button;
    ASSERT_NE(right, nullptr);
    // The bar lays its tabs out and sets its arrows when it is next painted or asked for a tab.
    auto settle = [bar] {
        QCoreApplication::processEvents();
        bar->tabRect(0);
    };
    for (const bool twoD : {true, false}) {
        SCOPED_TRACE(twoD ? "2D view on" : "2D view off");
        form->Show2DBtn->click();
        settle();
        for (int click = 0; click < 10 && right->isEnabled(); ++click) {
            right->click();
            settle();
        }
        int last = bar->count() - 1;
        while (!bar->isTabVisible(last))
            --last;
        EXPECT_EQ(form->ToolDlg->widget(last), form->TabLog);
        EXPECT_LE(bar->tabRect(last).right(), right->x()) << "the last page's tab is left under the arrows";
    }
}

// Opening keeps StatA's bits 0x800 and below but 0x200; closing fetches the whole record and sets
// 0x200. A second opening while the viewer runs starts no second viewer; once it has ended, the
// next opening starts a new one in the program folder, and the shut-down ends the one running.
TEST_F(ViewButtonsTest, The3DViewTalksThroughTheStatusWordsAndKeepsOneViewer)
{
    setStatusA(0xFAA5);
    std::filesystem::create_directories(folder / "elsewhere");
    std::filesystem::current_path(folder / "elsewhere");
    form->Show3DBtn->click();
    EXPECT_EQ(statusA(), 0x8A5);
    EXPECT_FALSE(form->DispMode->isEnabled());
    EXPECT_TRUE(tabShown(Tab3DPage));
    ASSERT_TRUE(viewerStartsReach(1));
    EXPECT_EQ(viewerStarts()[0], ProgramFolder.string());

    entry<void (*)(int32_t, int32_t)>("test_set_view_word")(80, 1234);
    form->Show3DBtn->click();
    EXPECT_EQ(entry<int32_t (*)()>("test_fetch_length")(), 124);
    EXPECT_EQ(ThreeDExchange.windowWidth, 1234);
    EXPECT_EQ(statusA(), 0xAA5);
    EXPECT_TRUE(form->DispMode->isEnabled());
    EXPECT_TRUE(tabShown(TabAisPage));

    const pid_t first = ThreeDViewer.pid();
    form->Show3DBtn->click();
    EXPECT_EQ(ThreeDViewer.pid(), first) << "a second viewer while the first runs";
    EXPECT_TRUE(ThreeDViewer.isRunning());

    // The user closes the viewer; the next opening starts another.
    ::kill(first, SIGTERM);
    EXPECT_TRUE(EventsUntil([] { return !ThreeDViewer.isRunning(); }));
    form->Show3DBtn->click();
    form->Show3DBtn->click();
    ASSERT_TRUE(viewerStartsReach(2));
    const pid_t second = ThreeDViewer.pid();
    EXPECT_NE(second, first);
    EXPECT_EQ(viewerStarts().size(), 2u);

    ShutdownIo();
    EXPECT_FALSE(ThreeDViewer.isRunning());
    EXPECT_NE(::kill(second, 0), 0) << "the viewer outlived the program";
}

TEST_F(ViewButtonsTest, The3DViewRecentresOnlyWithAutoOnWestwardCourses)
{
    const struct {
        bool autoDown;
        float course;
        bool recentre;
    } cases[] = {
        {true, 190.0f, false}, {true, 190.1f, true}, {true, 299.9f, true},
        {true, 300.0f, false}, {false, 250.0f, false}, {true, 10.0f, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "Auto " << c.autoDown << " course " << c.course);
        form->AutoBtn->setChecked(c.autoDown);
        OwnShip.displayCourse = c.course;
        form->ForceRecentre = false;
        form->Show3DBtn->setChecked(true);
        form->Show3DExecute();
        EXPECT_EQ(form->ForceRecentre, c.recentre);
        form->Show3DBtn->setChecked(false);
        form->Show3DExecute();
    }
}

// A chart level beyond the 3D view's releases Show3DBtn, and the view closes as by the button.
TEST_F(ViewButtonsTest, AChartLevelBeyondThe3DViewClosesIt)
{
    form->CoastalExecute();
    ASSERT_EQ(form->chartLevel, 10);
    form->Show3DBtn->click();
    ASSERT_EQ(statusA() & 0x200, 0);
    const int32_t fetchesOpen = fetches();
    form->OverviewExecute();

    EXPECT_EQ(form->chartLevel, 14);
    EXPECT_FALSE(form->Show3DBtn->isChecked());
    EXPECT_EQ(statusA() & 0x200, 0x200);
    EXPECT_EQ(fetches(), fetchesOpen + 1) << "the closing fetches the record once";
    EXPECT_TRUE(form->DispMode->isEnabled());
    EXPECT_TRUE(tabShown(TabAisPage));
}

// Without the 3D library the view still opens its viewer, and nothing goes to the library.
TEST_F(ViewButtonsTest, WithoutThe3DLibraryNothingIsSent)
{
    UnbindExternalLibraries();  // the test's own hold keeps the library and its words
    setStatusA(0xFAA5);
    form->Show3DBtn->click();
    form->Show3DBtn->click();

    EXPECT_EQ(statusA(), 0xFAA5);
    EXPECT_EQ(fetches(), 0);
    EXPECT_TRUE(viewerStartsReach(1));
    EXPECT_TRUE(tabShown(TabAisPage));
}

// Both services start without a box. A service that failed at the start stays off for the run:
// an engine restart neither reports nor starts it again. The radar, made from the chart, gets a
// new manager with the restart.
TEST_F(ViewButtonsTest, ServicesThatFailedAtStartStayOffForTheRun)
{
    const auto reports = [](const std::vector<platform::MessageBoxRequest>& shown, const std::string& caption) {
        return std::count_if(shown.begin(), shown.end(),
                             [&](const platform::MessageBoxRequest& box) { return box.caption == caption; });
    };
    EXPECT_EQ(reports(startBoxes, "Weather Error"), 0);
    EXPECT_EQ(reports(startBoxes, "Radar Error"), 0);
    ASSERT_NE(WeatherService, nullptr);
    EXPECT_TRUE(form->WeatherBtn->isEnabled());
    EXPECT_TRUE(form->RadarBtn->isEnabled());
    // The weather as a service that failed at the start leaves it.
    delete WeatherService;
    WeatherService = nullptr;
    WeatherAvailable = false;
    form->WeatherBtn->setEnabled(false);
    EXPECT_FALSE(WeatherAvailable);
    EXPECT_TRUE(RadarAvailable);
    ASSERT_NE(RadarService, nullptr);

    StartChartEngine(*form, "");
    EXPECT_EQ(reports(boxes.shown, "Weather Error"), 0);
    EXPECT_EQ(reports(boxes.shown, "Radar Error"), 0);
    EXPECT_EQ(WeatherService, nullptr);
    ASSERT_NE(RadarService, nullptr);
    EXPECT_GT(RadarService->state(), 0) << RadarService->ErrorText();

    // Pressed from the program all the same, the weather does nothing; the radar shows its
    // overlay over the chart and its panel, and goes off again.
    for (QToolButton* button : {form->WeatherBtn, form->RadarBtn})
        button->setChecked(true);
    form->WeatherExecute();
    form->RadarExecute();
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_FALSE(form->WeatherBtn->isEnabled());
    EXPECT_FALSE(form->WeatherBtn->isChecked());
    EXPECT_FALSE(WeatherDlg->isVisible());
    EXPECT_EQ(RadarService->running, 1);
    EXPECT_FALSE(Radar->isHidden());
    EXPECT_EQ(Radar->parentWidget(), form->CM93);
    EXPECT_EQ(Radar->geometry(), form->CM93->rect());
    EXPECT_TRUE(RadarCtrl->isVisible());

    form->RadarBtn->setChecked(false);
    form->RadarExecute();
    EXPECT_EQ(RadarService->running, 0);
    EXPECT_TRUE(Radar->isHidden());
    EXPECT_FALSE(RadarCtrl->isVisible());
}

// A weather service whose start failed is reported at the first press, once, and taken off.
TEST_F(ViewButtonsTest, AFailedWeatherServiceIsReportedOnceAtThePress)
{
    WeatherAvailable = true;
    form->WeatherBtn->setEnabled(true);
    delete WeatherService;
    WeatherService = new WeatherManager(WeatherServiceMaker{});
    ASSERT_NE(WeatherService->Init(MainMapView), 0);
    const std::string error = "<WeatherManager::Init()> failed to initialize ICMWeatherTool interface";

    form->WeatherBtn->click();
    ASSERT_EQ(boxes.shown.size(), 1u);
    const platform::MessageBoxRequest& box = boxes.shown[0];
    EXPECT_EQ(box.caption, "Weather Error");
    EXPECT_EQ(box.text, error);
    EXPECT_EQ(box.icon, platform::MsgIcon::Exclamation);
    EXPECT_TRUE(box.taskModal);
    EXPECT_TRUE(box.topMost);
    EXPECT_EQ(WeatherService, nullptr);
    EXPECT_FALSE(WeatherAvailable);
    EXPECT_FALSE(form->WeatherBtn->isChecked());
    EXPECT_FALSE(form->WeatherBtn->isEnabled());
    EXPECT_FALSE(WeatherDlg->isVisible());

    form->WeatherBtn->click();
    form->WeatherBtn->setChecked(true);
    form->WeatherExecute();
    StartChartEngine(*form, "");
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_FALSE(form->WeatherBtn->isEnabled());
}

// With services present: the radar overlay starts over a white chart rectangle with its panel, and
// the weather dialog stands beside the panel while the radar window shows.
TEST_F(ViewButtonsTest, WeatherDialogAndRadarWindowShareTheLeftEdge)
{
    ASSERT_NE(WeatherService, nullptr);
    ASSERT_NE(RadarService, nullptr);
    RadarAvailable = WeatherAvailable = true;
    form->WeatherBtn->setEnabled(true);
    form->RadarBtn->setEnabled(true);
    const QSize chart(form->CM93->width(), form->CM93->height());
    form->RadarBitmap.fill(Qt::black);
    WeatherDlg->move(57, 40);

    form->WeatherBtn->click();
    EXPECT_TRUE(WeatherDlg->isVisible());
    EXPECT_EQ(WeatherDlg->x(), 0);

    form->RadarBtn->click();
    EXPECT_EQ(form->RadarBitmap.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(form->RadarBitmap.pixelColor(chart.width() - 1, chart.height() - 1), QColor(Qt::white));
    EXPECT_EQ(RadarService->running, 1);
    EXPECT_TRUE(RadarCtrl->isVisible());
    EXPECT_FALSE(Radar->isHidden());
    EXPECT_EQ(WeatherDlg->x(), RadarCtrl->width());

    form->WeatherBtn->click();
    EXPECT_FALSE(WeatherDlg->isVisible());
    form->WeatherBtn->click();
    EXPECT_EQ(WeatherDlg->x(), RadarCtrl->width());

    form->RadarBtn->click();
    EXPECT_TRUE(Radar->isHidden());
    EXPECT_EQ(WeatherDlg->x(), 0);
    EXPECT_EQ(RadarService->running, 0);
    EXPECT_EQ(RadarService->ErrorText().find("Stop"), std::string::npos) << "a radar not running is not stopped";
}

}  // namespace
