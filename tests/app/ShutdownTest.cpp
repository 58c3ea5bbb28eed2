// The program's end in the started program: the shut-down dialog's exit and switch-off, the
// main window's close, a fatal message after the start-up and a termination signal, each over
// the real parts: COM2 on a pseudo-terminal with the output thread running, the user database on
// disk, the 3D and name-base test libraries and real child programs. The shut-down's pauses go
// through a clock that records them.

#include "SetupTestSupport.h"
#include "StartedProgram.h"

#include "app/ChildPrograms.h"
#include "app/DataSets.h"
#include "app/LngMessage.h"
#include "app/ProgramExit.h"
#include "app/ShutdownIo.h"
#include "app/Startup.h"
#include "app/StartupIni.h"
#include "app/TForm1.h"
#include "app/TOffDlg.h"
#include "app/TickState.h"
#include "app/TimerClock.h"
#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "platform/system/PowerOff.h"
#include "platform/system/ProgramEnd.h"
#include "platform/system/RegistryStore.h"
#include "platform/system/TerminationSignals.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "radarweather/RadarManager.h"
#include "radarweather/WeatherManager.h"
#include "sensors/ComOutThread.h"
#include "sensors/ComPortControl.h"
#include "sensors/DeccaConverter.h"
#include "sensors/LoranConverter.h"
#include "sensors/NmeaOutput.h"
#include "sensors/OutputTestSupport.h"
#include "sensors/SeabedRecorder.h"
#include "sensors/SensorInput.h"
#include "userdata/DatabaseReports.h"
#include "userdata/ObjectIds.h"
#include "userdata/UserDatabase.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSessionManager>
#include <QTimer>
#include <QToolButton>

#include <atomic>
#include <chrono>
#include <csignal>
#include <mutex>
#include <poll.h>
#include <sys/wait.h>
#include <thread>

namespace {

using namespace std::chrono_literals;
using Waits = std::vector<std::chrono::milliseconds>;

// Records the shut-down's pauses and lets them pass at once.
class RecordingClock final : public TimerClock {
public:
    bool Wait(std::chrono::milliseconds interval, std::stop_token) override
    {
        waits.push_back(interval);
        return true;
    }
    Waits waits;
};

// Waits until the child has ended, leaving it for its owner to reap.
void WaitUntilEnded(pid_t pid)
{
    siginfo_t info{};
    ::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT);
}

// True when the far end of the pseudo-terminal sees no one holding the port any more.
bool HungUp(const PseudoTerminal& terminal)
{
    pollfd far{terminal.master(), POLLIN, 0};
    return ::poll(&far, 1, 0) == 1 && (far.revents & POLLHUP) != 0;
}

class ShutdownTest : public Com2ProgramTest {
protected:
    void SetUp() override
    {
        Com2ProgramTest::SetUp();
        SetShutdownClock(&clock);
        platform::SetPowerOffHandler([this](const std::string& command) { powerOffs.push_back(command); });
        startWithCom2("[PortActive]\n2=1\n");
        OffDlg = new TOffDlg;
        ASSERT_TRUE(threeD.load(folder, "Halvmark.DLL"));
        ASSERT_TRUE(nameBase.load(folder, "Vestrin.DLL"));
        ASSERT_TRUE(SelectUserDatabase(1));
        ASSERT_TRUE(ComPorts[1].isOpen());
        boxes.shown.clear();  // the start-up's reports of the missing radar and weather
    }

    void TearDown() override
    {
        delete OffDlg;
        OffDlg = nullptr;
        for (platform::ChildProcess* program : {&ThreeDGenerator, &ThreeDViewer})
            program->endAfter(0);
        if (threeD.isLoaded())
            threeD.entry<void (*)()>("test_reset")();
        if (nameBase.isLoaded())
            nameBase.entry<void (*)(int32_t)>("test_set_active")(0);
        Com2ProgramTest::TearDown();
        threeD.unload();
        nameBase.unload();
        platform::SetPowerOffHandler({});
        SetShutdownClock(nullptr);
    }

    int32_t statusA() const { return threeD.entry<int32_t (*)()>("_tGetStatA")(); }

    // Whether another opener could have the id file of data set A to itself now.
    bool idFileFree() const
    {
        UserDatabaseLocation location;
        location.objectFolder = DataPaths[DataPathSetA];
        location.seabedFolder = folder / "Data_A";
        location.aisFolder = DataPaths[DataPathReplay];
        platform::isam::IsamLibrary other;
        other.start(UserFileCount);
        const bool opened = other.openFileSet(UserFileSets(location)[0].definition) == platform::isam::Status::Ok;
        other.stop();
        return opened;
    }

    bool settingsSaved() const
    {
        return std::filesystem::file_size(folder / "dta.res") == sizeof(SetupParametersRecord);
    }

    RecordingClock clock;
    std::vector<std::string> powerOffs;
    platform::SharedLibrary threeD;
    platform::SharedLibrary nameBase;
};

TEST_F(ShutdownTest, TheExitSavesTellsTheThreeDProgramsAndEndsTheProgramOnce)
{
    std::filesystem::remove(folder / "dta.res");
    form->Timer1->start();
    form->Timer2->start();
    OffDlg->show();

    OffDlg->ExitBtnClick();
    EXPECT_FALSE(OffDlg->isVisible());
    EXPECT_FALSE(form->Timer1->isActive());
    EXPECT_FALSE(form->Timer2->isActive());
    EXPECT_TRUE(settingsSaved());
    EXPECT_EQ(statusA() & 0x300, 0x300);
    EXPECT_EQ(clock.waits, Waits{500ms}) << "the 3D programs' time to end";
    EXPECT_EQ(programEndRequests, 1);
    EXPECT_TRUE(powerOffs.empty());
    EXPECT_TRUE(ComPorts[1].isOpen()) << "the ports close as the event loop ends";

    OffDlg->ExitBtnClick();
    EXPECT_EQ(programEndRequests, 1) << "the program ends once";
    EXPECT_EQ(clock.waits.size(), 1u);
}

TEST_F(ShutdownTest, WithoutTheThreeDLibraryTheExitSendsNoStatusAndDoesNotWait)
{
    const int32_t before = statusA();
    UnbindExternalLibraries();
    OffDlg->ExitBtnClick();

    EXPECT_EQ(statusA(), before);
    EXPECT_TRUE(clock.waits.empty());
    EXPECT_TRUE(settingsSaved());
    EXPECT_EQ(programEndRequests, 1);
}

// The end of the event loop: the output thread's last cycle writes COM2 before the port closes,
// then the far end sees the line drop; the database is released, a running child ended, an ended
// one left alone.
TEST_F(ShutdownTest, TheInputAndOutputEndInOrderAndReleaseWhatOthersWait)
{
    ASSERT_TRUE(ThreeDGenerator.start("sleep 30"));
    ASSERT_TRUE(ThreeDViewer.start("true"));
    WaitUntilEnded(ThreeDViewer.pid());
    ASSERT_FALSE(idFileFree());
    ASSERT_FALSE(HungUp(gps));

    // A cycle under way as the shut-down begins: it holds on, then writes the port.
    std::atomic<bool> cycleUnderWay{false};
    std::atomic<bool> lastWriteDone{false};
    ComOutHook.tcpTextWaiting = [&] {
        cycleUnderWay = true;
        std::this_thread::sleep_for(200ms);
        lastWriteDone = WriteComPort(1, "$IILST,1*4B\r\n");
    };
    {
        const std::lock_guard lock(ComOutStateLock);
        OwnShip.aisReplyPort = TcpPort;
    }
    ASSERT_TRUE(SendOneOffText("$AIACK,7\r\n"));
    SignalComOutThread();
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    while (!cycleUnderWay && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(1ms);
    ASSERT_TRUE(cycleUnderWay);

    ShutdownIo();
    EXPECT_TRUE(lastWriteDone) << "the port closed under the output thread";
    EXPECT_FALSE(StopComOutThread());
    EXPECT_TRUE(HungUp(gps));
    EXPECT_TRUE(idFileFree());
    EXPECT_FALSE(ThreeDGenerator.isRunning());
    EXPECT_EQ(clock.waits, Waits{500ms}) << "only the running child is waited for";
    EXPECT_EQ(ClockTime, nullptr);
}

TEST_F(ShutdownTest, SwitchOffAnsweredNoDoesNothing)
{
    std::filesystem::remove(folder / "dta.res");
    boxes.presetAnswers = {platform::MsgAnswer::No};
    OffDlg->show();
    OffDlg->OffBtnClick();

    ASSERT_EQ(boxes.shown.size(), 1u);
    const platform::MessageBoxRequest& question = boxes.shown[0];
    EXPECT_EQ(question.text, "Do you really want to switch off Varnik computer ?");
    EXPECT_EQ(question.caption, "Varnik");
    EXPECT_EQ(question.buttons, platform::MsgButtons::YesNo);
    EXPECT_EQ(question.icon, platform::MsgIcon::Question);
    EXPECT_EQ(question.owner, nullptr);
    EXPECT_FALSE(OffDlg->isVisible());
    EXPECT_FALSE(std::filesystem::exists(folder / "dta.res"));
    EXPECT_EQ(programEndRequests, 0);
    EXPECT_TRUE(powerOffs.empty());
    EXPECT_TRUE(clock.waits.empty());
    EXPECT_TRUE(ComPorts[1].isOpen());
    EXPECT_FALSE(idFileFree());
    EXPECT_FALSE(ProgramEnding);
}

// Yes: the input and output end at once and again as the event loop ends; the second run closes,
// ends and releases nothing twice, and what still runs after the first finds the database closed.
TEST_F(ShutdownTest, SwitchOffAnsweredYesEndsTheIoOnceAndAsksForTheOrdinaryPowerOff)
{
    ASSERT_TRUE(ThreeDGenerator.start("sleep 30"));
    boxes.presetAnswers = {platform::MsgAnswer::Yes};
    OffDlg->OffBtnClick();

    EXPECT_TRUE(settingsSaved());
    EXPECT_EQ(statusA() & 0x300, 0x300);
    EXPECT_FALSE(StopComOutThread());
    EXPECT_TRUE(HungUp(gps));
    EXPECT_TRUE(idFileFree());
    EXPECT_FALSE(ThreeDGenerator.isRunning());
    EXPECT_EQ(ClockTime, nullptr);
    EXPECT_EQ(clock.waits, (Waits{500ms, 500ms})) << "the generator, then the 3D programs";
    EXPECT_EQ(programEndRequests, 1);
    EXPECT_EQ(powerOffs, std::vector<std::string>{"systemctl poweroff"});

    // A data-set switch or a record written before the loop ends opens and reports nothing.
    const int failures = RecordFailureCount();
    EXPECT_FALSE(SelectUserDatabase(2));
    IdRecord track{};
    AddIdRecord(track, IdRange::Track);
    EXPECT_EQ(RecordFailureCount(), failures);
    EXPECT_TRUE(idFileFree());

    ShutdownIo();
    EXPECT_EQ(clock.waits.size(), 2u) << "no child ended twice";
    EXPECT_EQ(ClockTime, nullptr);
    EXPECT_TRUE(idFileFree());
    EXPECT_EQ(boxes.shown.size(), 1u) << "only the question";
    EXPECT_EQ(powerOffs.size(), 1u);
}

TEST_F(ShutdownTest, AnEmptyPowerOffCommandOnlyEndsTheProgram)
{
    writeFile("Startup.ini", "[Programs]\nThreeDGenerator=\nPowerOff=\n");
    ReadStartupIni(folder);
    boxes.presetAnswers = {platform::MsgAnswer::Yes};
    OffDlg->OffBtnClick();

    EXPECT_EQ(programEndRequests, 1);
    EXPECT_TRUE(powerOffs.empty());
}

TEST_F(ShutdownTest, TheWindowsCloseShowsTheDialogAndTheProgramRunsOnUntilItEnds)
{
    form->Timer2->start();
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(OffDlg->isVisible());
    EXPECT_TRUE(form->Timer2->isActive());
    EXPECT_EQ(programEndRequests, 0);

    OffDlg->CancelBtnClick();
    EXPECT_FALSE(OffDlg->isVisible());

    // Once the program ends (here a termination signal's exit), the window system may close it.
    ExitProgram();
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(OffDlg->isVisible());
}

TEST_F(ShutdownTest, TheExitButtonShowsTheDialogUnlessTheNameBaseIsActive)
{
    const struct {
        int32_t state;
        bool shown;
    } cases[] = {{0, true}, {1, false}, {2, false}, {3, true}};
    for (const auto& c : cases) {
        nameBase.entry<void (*)(int32_t)>("test_set_active")(c.state);
        OffDlg->hide();
        form->ExitBtn->click();
        EXPECT_EQ(OffDlg->isVisible(), c.shown) << c.state;
    }
}

TEST_F(ShutdownTest, TheRadarIsStoppedOnlyWhileItRuns)
{
    ASSERT_NE(RadarService, nullptr);
    OffDlg->ExitBtnClick();
    EXPECT_EQ(RadarService->ErrorText().find("Stop"), std::string::npos) << "a stop while not running";

    ProgramEnding = false;  // a second run
    ASSERT_EQ(RadarService->Start(form.get()), 0);
    OffDlg->ExitBtnClick();
    EXPECT_EQ(RadarService->running, 0);
    EXPECT_EQ(RadarService->ErrorText().find("Stop"), std::string::npos);
}

// A fatal engine message after the start-up (a restart whose engine does not start): the program
// ends through the exit, from the event loop once the restart has returned.
TEST_F(ShutdownTest, AFatalEngineMessageAfterTheStartTakesTheExitPath)
{
    std::filesystem::remove(folder / "dta.res");
    std::filesystem::remove(platform::DefaultRegistryStoreFile(folder));
    StartChartEngine(*form, "database changed");

    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().caption, "C-Map");
    EXPECT_EQ(boxes.shown.back().icon, platform::MsgIcon::Stop);
    EXPECT_EQ(programEndRequests, 0) << "not inside the restart";
    EXPECT_FALSE(std::filesystem::exists(folder / "dta.res"));

    EXPECT_TRUE(EventsUntil([this] { return programEndRequests == 1; }));
    EXPECT_TRUE(settingsSaved());
    EXPECT_EQ(statusA() & 0x300, 0x300);
    EXPECT_TRUE(ProgramEnding);
}

// SIGTERM (a system shut-down, a logout) takes the exit; the event loop's end then shuts the input
// and output down while every form still exists.
TEST_F(ShutdownTest, ATerminationSignalTakesTheExitAndTheLoopsEndShutsTheIoBeforeAnyFormGoes)
{
    std::filesystem::remove(folder / "dta.res");
    const std::unique_ptr<QObject> wiring(ConnectProgramEnd(*qGuiApp));
    platform::SetProgramEndHandler({});  // the real end of the event loop

    std::vector<bool> formsAtShutdown;
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, form.get(),
                     [&] { formsAtShutdown.push_back(Form1 != nullptr && OffDlg != nullptr); });
    ASSERT_EQ(::raise(SIGTERM), 0);
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
    const int result = QCoreApplication::exec();

    EXPECT_EQ(result, 0);
    EXPECT_TRUE(settingsSaved());
    EXPECT_TRUE(ProgramEnding);
    EXPECT_EQ(formsAtShutdown, std::vector<bool>{true});
    EXPECT_FALSE(StopComOutThread());
    EXPECT_TRUE(HungUp(gps));
    EXPECT_TRUE(idFileFree());
    EXPECT_EQ(ClockTime, nullptr);
}

// The window goes after the input and output: it stops the radar while it runs and releases the
// engine objects and the converters, each once (the tear-down deletes what is left again).
TEST_F(ShutdownTest, TheWindowsEndReleasesTheEngineObjectsAndTheConverters)
{
    ASSERT_NE(ChartEngine, nullptr);
    ASSERT_NE(MiniMapView, nullptr);
    ASSERT_NE(Loran, nullptr);
    ASSERT_NE(Decca, nullptr);
    ASSERT_NE(RadarService, nullptr);
    ASSERT_EQ(RadarService->Start(form.get()), 0);
    ShutdownIo();
    form.reset();
    Form1 = nullptr;

    EXPECT_EQ(WeatherService, nullptr);
    EXPECT_EQ(RadarService, nullptr);
    EXPECT_EQ(MiniMapView, nullptr);
    EXPECT_EQ(MainMapView, nullptr);
    EXPECT_EQ(ChartEngine, nullptr);
    EXPECT_EQ(Loran, nullptr);
    EXPECT_EQ(Decca, nullptr);
}

// The window system's request that the program end (the desktop session's end, which Qt also
// makes of a quit): the exit runs first, so the main window lets itself be closed and the event
// loop ends. A plain close of the window stays refused.
TEST_F(ShutdownTest, TheWindowSystemsRequestToQuitTakesTheExit)
{
    std::filesystem::remove(folder / "dta.res");
    const std::unique_ptr<QObject> wiring(ConnectProgramEnd(*qGuiApp));
    form->show();
    EXPECT_FALSE(form->close());
    EXPECT_FALSE(ProgramEnding);

    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(ProgramEnding);
    EXPECT_TRUE(settingsSaved());
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(HungUp(gps)) << "the event loop's end shut the input and output down";
}

// The depths the recorder holds are stored at every shut-down, with or without the 3D library,
// before the database closes.
TEST_F(ShutdownTest, TheHeldSeabedTilesAreStoredWithoutTheThreeDLibrary)
{
    UnbindExternalLibraries();
    for (SeabedTile* tile : {&CurrentSeabedTile, &SeabedFlushTile}) {
        tile->reset(tile == &CurrentSeabedTile ? 40 : 41, -60);
        tile->at(3, 4) = {3, 4, 123, 1};
        tile->changed = true;
    }
    OwnShip.seabedFlushRequest = true;

    ShutdownIo();
    EXPECT_FALSE(CurrentSeabedTile.changed);
    EXPECT_FALSE(SeabedFlushTile.changed);
    EXPECT_FALSE(OwnShip.seabedFlushRequest);

    UserDatabaseLocation location;
    location.seabedFolder = folder / "Data_A";
    platform::isam::IsamLibrary files;
    ASSERT_EQ(files.start(UserFileCount), platform::isam::Status::Ok);
    ASSERT_EQ(files.openFileSet(UserFileSets(location)[3].definition), platform::isam::Status::Ok);
    std::vector<std::byte> record(SeabedHeadLength + 6);
    int stored = 0;
    for (auto read = files.readFirst(SeabedKey, record); read == platform::isam::Status::Ok;
         read = files.readNext(SeabedKey, record))
        ++stored;
    files.stop();
    EXPECT_EQ(stored, 2);
}

}  // namespace
