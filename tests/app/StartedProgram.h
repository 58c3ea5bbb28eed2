#pragma once
// The program as its first one-second tick starts it in a test's program folder: the chart
// engine over an installed chart database, the outside programs' test libraries, the shipped
// pictures and a small language file; and the tear-down of everything the start-up made.

#include "SetupTestSupport.h"

#include "platform/chartengine/ChartTestSupport.h"
#include "sensors/SensorTestSupport.h"

#include <QSize>

#include <filesystem>
#include <memory>
#include <string>

class TForm1;

// Lays out the program folder for a start over the chart engine folder `engine`, with `language`
// as english.lng.
void LayOutProgramFolder(const std::filesystem::path& folder, const std::filesystem::path& engine,
                         const std::string& language);

// Makes the main window (Form1) and runs the first tick at half past twelve, so that no hourly work
// runs; the timers are then stopped. A valid chartSize is the chart's size after the start-up,
// drawn at once.
std::unique_ptr<TForm1> StartProgram(QSize chartSize = {});

// Ends the input and output (ShutdownIo), deletes the window, the chart engine with its views,
// the services and the outside libraries, and empties the hooks, the tick clock and the tick
// state.
void StopProgram(std::unique_ptr<TForm1>& form);

// A test of the started program over a chart database that its suite installs once: the
// harbour's cell or the bay's.
template <class Engine>
class InstalledChartTest : public SetupTest {
protected:
    static void SetUpTestSuite() { engine_ = new Engine; }
    static void TearDownTestSuite()
    {
        delete engine_;
        engine_ = nullptr;
    }
    // The chart engine folder of the database, for LayOutProgramFolder.
    static std::filesystem::path engine() { return engine_->engine(); }

private:
    static inline Engine* engine_ = nullptr;
};

using HarbourProgramTest = InstalledChartTest<charttest::HarbourEngine>;
using BayChartTest = InstalledChartTest<charttest::BayEngine>;

// The started program over the harbour's cell with COM2, the GPS's port, on a pseudo-terminal
// and the sensor and output side reset around it.
class Com2ProgramTest : public HarbourProgramTest {
protected:
    // Starts the program with `mainIni` as its VarnikV3.ini.
    void startWithCom2(const std::string& mainIni);
    void TearDown() override;

    PseudoTerminal gps;  // the far end of COM2
    std::unique_ptr<TForm1> form;
};
