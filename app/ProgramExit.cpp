#include "app/ProgramExit.h"

#include "app/ExternalLibraries.h"
#include "app/SetupLoad.h"
#include "app/ShutdownIo.h"
#include "app/StartupIni.h"
#include "app/TForm1.h"
#include "app/TimerClock.h"
#include "frame/SharedTables.h"
#include "platform/system/PowerOff.h"
#include "platform/system/ProgramEnd.h"
#include "platform/system/TerminationSignals.h"
#include "radarweather/RadarManager.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QSessionManager>
#include <QTimer>

#include <chrono>

namespace {

constexpr std::chrono::milliseconds ThreeDGrace{500};
constexpr int32_t StatAProgramEnds = 0x300;

// The steps the exit and the switch-off share before the input and output go: no tick runs any
// more, the radar is off and the settings are on disk.
void StopWorkAndSave()
{
    if (Form1) {
        Form1->Timer1->stop();
        Form1->Timer2->stop();
    }
    StopRadarWhileRunning();
    SaveSetupParameters(true);
}

// True when the 3D library took the news.
bool TellThreeDProgramsTheEnd()
{
    const ExternalEntries& e = ExternalEntryTable;
    if (!ThreeDAvailable || !e.tGetStatA || !e.tPutStatA)
        return false;
    e.tPutStatA(e.tGetStatA() | StatAProgramEnds);
    return true;
}

// The end of the run, wired to the application. The session manager asks for the programs' data
// at checkpoints as well as at its end, so that request only saves the settings; its end comes as
// the window system's request to quit, which takes the exit and then lets the windows close.
class ProgramEndWiring final : public QObject {
public:
    explicit ProgramEndWiring(QGuiApplication& application) : QObject(&application)
    {
        connect(&application, &QCoreApplication::aboutToQuit, this, [] { ShutdownIo(); });
        connect(&application, &QGuiApplication::commitDataRequest, this,
                [](QSessionManager&) { SaveSetupParameters(false); });
        application.installEventFilter(this);
        platform::OnTerminationSignal([] { ExitProgram(); });
    }
    ~ProgramEndWiring() override { platform::OnTerminationSignal({}); }
    ProgramEndWiring(const ProgramEndWiring&) = delete;
    ProgramEndWiring& operator=(const ProgramEndWiring&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::Quit && event->spontaneous())
            ExitProgram();
        return false;
    }
};

}  // namespace

void StopRadarWhileRunning()
{
    if (RadarService && RadarService->running != 0)
        RadarService->Stop();
}

void ExitProgram()
{
    if (ProgramEnding)
        return;
    ProgramEnding = true;
    StopWorkAndSave();
    if (TellThreeDProgramsTheEnd())
        ShutdownClock().Wait(ThreeDGrace, {});
    platform::RequestProgramEnd();
}

void SwitchOffProgram()
{
    if (ProgramEnding)
        return;
    ProgramEnding = true;
    StopWorkAndSave();
    ShutdownIo();
    TellThreeDProgramsTheEnd();
    ShutdownClock().Wait(ThreeDGrace, {});
    platform::RequestProgramEnd();
    platform::RequestPowerOff(OutsideProgramCommands.powerOff);
}

void ExitProgramLater()
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), [] { ExitProgram(); }, Qt::QueuedConnection);
}

QObject* ConnectProgramEnd(QGuiApplication& application)
{
    return new ProgramEndWiring(application);
}
