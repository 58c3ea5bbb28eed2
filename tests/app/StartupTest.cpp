#include "AppTestSupport.h"

#include "app/ChildPrograms.h"
#include "app/ExternalLibraries.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "frame/PhaseCounters.h"
#include "frame/SharedTables.h"
#include "sensors/TargetTable.h"

#include <QTimer>

namespace {

const std::filesystem::path OutsideLibraries = OUTSIDE_LIBRARIES_DIR;

class StartupTest : public AppTest {
protected:
    void TearDown() override
    {
        UnbindExternalLibraries();
        ThreeDExchange = {};
        AppTest::TearDown();
    }

    void copyOutsideLibraries(const std::string& set)
    {
        for (const auto& entry : std::filesystem::directory_iterator(OutsideLibraries / set))
            std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
    }
};

template <typename Fn>
Fn TestEntry(const std::string& library, const char* name)
{
    static platform::SharedLibrary probe;
    probe.load(OutsideLibraries / "complete", library);
    return probe.entry<Fn>(name);
}

}  // namespace

TEST_F(StartupTest, CompleteLibrariesAreBoundWhole)
{
    EXPECT_TRUE(BindExternalLibraries(OutsideLibraries / "complete"));

    const ExternalEntries& e = ExternalEntryTable;
    EXPECT_NE(e.BLPutRx, nullptr);
    EXPECT_TRUE(NameBaseAvailable);
    EXPECT_EQ(e.TPutActive, nullptr);  // optional, and absent from this library
    EXPECT_EQ(TestEntry<int32_t (*)()>("Vestrin.DLL", "test_wpos_b")(), 18);
    EXPECT_TRUE(ThreeDAvailable);
    EXPECT_NE(e.tGetStatC, nullptr);
    EXPECT_EQ(ThreeDExchange.chartWidth, 800);
    EXPECT_EQ(ThreeDExchange.clipHeight, 600000);
    EXPECT_EQ(ThreeDExchange.viewerFlag, 1);

    e.BLPutRx(1, "x", 125);
    EXPECT_EQ(TestEntry<int32_t (*)()>("Brolund.DLL", "test_received")(), 1);
}

TEST_F(StartupTest, ALibraryMissingAnEntryOrMissingAltogetherStaysUnbound)
{
    EXPECT_FALSE(BindExternalLibraries(OutsideLibraries / "incomplete"));
    const ExternalEntries& e = ExternalEntryTable;
    EXPECT_EQ(e.BLPutRx, nullptr);  // no such library in that folder
    EXPECT_EQ(e.TPutLimit, nullptr);
    EXPECT_EQ(e.TGetActive, nullptr);
    EXPECT_FALSE(NameBaseAvailable);
    EXPECT_EQ(e.tPutRec, nullptr);
    EXPECT_EQ(e.tPutStatA, nullptr);
    EXPECT_FALSE(ThreeDAvailable);
    EXPECT_EQ(ThreeDExchange.viewerFlag, 0);
}

TEST(ThreeDWindowPlace, TheWindowFillsTheSecondMonitorWhereverItLies)
{
    const struct {
        const char* where;
        int vx, vy, vw, vh, w, h;
        WindowPlace expected;
    } cases[] = {
        {"left, same size", -1280, 0, 2560, 1024, 1280, 1024, {-1279, 0, 1273, 1017}},
        {"left, smaller", -1024, 0, 2304, 1024, 1280, 1024, {-1023, 0, 1017, 761}},
        {"above", 0, -1024, 1280, 2048, 1280, 1024, {1, -1023, 1273, 1017}},
        {"right", 0, 0, 2560, 1024, 1280, 1024, {1280, 0, 1273, 1017}},
        {"below", 0, 0, 1280, 2048, 1280, 1024, {0, 1024, 1273, 1017}},
        {"left, only a sliver", -3, 0, 1283, 1024, 1280, 1024, {-2, 0, 100, 100}},
    };
    for (const auto& c : cases) {
        const WindowPlace p = ThreeDWindowOnSecondMonitor(c.vx, c.vy, c.vw, c.vh, c.w, c.h);
        EXPECT_EQ(p.x, c.expected.x) << c.where;
        EXPECT_EQ(p.y, c.expected.y) << c.where;
        EXPECT_EQ(p.width, c.expected.width) << c.where;
        EXPECT_EQ(p.height, c.expected.height) << c.where;
    }
}

TEST_F(StartupTest, StartupInitPreparesFoldersTablesAndTheClock)
{
    TargetTable[5].id = 1234;
    writeFile("Startup.ini", "[Paths]\nLog=logs/here\n[Programs]\nThreeDGenerator=\n");
    StartupInit();

    EXPECT_EQ(ProgramFolder, folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Data_C"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "logs/here"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Temp"));
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Info"));
    EXPECT_NE(ClockTime, nullptr);
    EXPECT_EQ(int32_t{TargetTable[5].id}, -1);  // packed fields are read by value
    EXPECT_EQ(int32_t{TargetTable[TargetCount].id}, -1);
    EXPECT_EQ(ThreeDExchange.shipAndCentre[0], -1);
    EXPECT_EQ(UserColourTable[1], 0x0000FFu);  // red as 0x00BBGGRR
    EXPECT_EQ(UserColourTable[7], 0x00B0FFu);  // orange
    EXPECT_GT(ScreenWidth, 0);
    EXPECT_TRUE(boxes.shown.empty());  // no 3D generator configured: no complaint about 3D
}

TEST_F(StartupTest, TheThreeDGeneratorIsStartedAndEndedAtShutDown)
{
    copyOutsideLibraries("complete");
    writeFile("Startup.ini", "[Programs]\nThreeDGenerator=sleep 30\n");
    StartupInit();
    ASSERT_TRUE(ThreeDGenerator.isRunning());
    EXPECT_TRUE(ThreeDAvailable);

    EndChildPrograms();
    EXPECT_FALSE(ThreeDGenerator.isRunning());
}

TEST_F(StartupTest, AThreeDGeneratorWithoutItsLibraryIsReported)
{
    writeFile("Startup.ini", "[Programs]\nThreeDGenerator=sleep 30\n");
    StartupInit();

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "No 2D/3D");
    EXPECT_EQ(boxes.shown[0].icon, platform::MsgIcon::Exclamation);
    EXPECT_FALSE(ThreeDAvailable);
    ThreeDGenerator.endAfter(0);
}

TEST_F(StartupTest, WithoutAChartEngineTheStartStopsWithTheFatalChartMessage)
{
    TForm1 form;
    Form1 = &form;
    StartChartEngine(form, "");
    Form1 = nullptr;

    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].caption, "C-Map");
    EXPECT_EQ(boxes.shown[0].text, "Error:4");
    EXPECT_TRUE(StartupAbort);
    EXPECT_EQ(programEndRequests, 1);
    EXPECT_NE(ChartEngine, nullptr);
    EXPECT_EQ(MainMapView, nullptr);
    EXPECT_FALSE(form.Timer2->isActive());
    delete ChartEngine;
    ChartEngine = nullptr;
}

TEST_F(StartupTest, NoTickReachesTheEngineWhileItsRestartShowsABox)
{
    struct TickDuringBox : platform::MessageBoxService {
        platform::MsgAnswer show(const platform::MessageBoxRequest&) override
        {
            restartFlagSeen.push_back(ChartRestartInProgress);
            return platform::MsgAnswer::Ok;
        }
        std::vector<bool> restartFlagSeen;
    } service;
    platform::InstallMessageBoxService(&service);
    TForm1 form;
    StartChartEngine(form, "database changed");

    // The restart notice and the fatal engine message both came while the restart ran.
    EXPECT_EQ(service.restartFlagSeen, (std::vector<bool>{true, true}));
    EXPECT_FALSE(ChartRestartInProgress);
    delete ChartEngine;
    ChartEngine = nullptr;
}

TEST_F(StartupTest, ThePhaseCountersStepOnlyWhileTheProgramRuns)
{
    TForm1 form;
    PhaseCounters.fill(0);
    AppRunning = false;
    form.iThreadTimers1Timer2(form.iThreadTimers1);
    EXPECT_EQ(PhaseCounters[0], 0);
    AppRunning = true;
    form.iThreadTimers1Timer2(form.iThreadTimers1);
    EXPECT_EQ(PhaseCounters[0], 1);
    EXPECT_EQ(PhaseCounters[8], 1);
}
