#pragma once
// The program as its first one-second tick starts it in a test's program folder: the chart
// engine over an installed chart database, the outside programs' test libraries, the shipped
// pictures and a small language file; and the tear-down of everything the start-up made.

#include "SetupTestSupport.h"

#include <QSize>

#include <filesystem>
#include <memory>
#include <string>

class TForm1;
namespace charttest {
class HarbourEngine;
}

// Lays out the program folder for a start over the chart engine folder `engine`, with `language`
// as english.lng.
void LayOutProgramFolder(const std::filesystem::path& folder, const std::filesystem::path& engine,
                         const std::string& language);

// Makes the main window (Form1), gives its chart chartSize when valid and runs the first tick at
// half past twelve, so that no hourly work runs; the timers are then stopped.
std::unique_ptr<TForm1> StartProgram(QSize chartSize = {});

// Deletes the window, the chart engine with its views, the services and the outside libraries,
// and empties the hooks, the tick clock and the tick state.
void StopProgram(std::unique_ptr<TForm1>& form);

// A suite whose tests start the program over the harbour chart database, which is installed once
// for the suite.
class HarbourProgramTest : public SetupTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    // The chart engine folder of the database, for LayOutProgramFolder.
    static std::filesystem::path harbourEngine();

private:
    static charttest::HarbourEngine* harbour_;
};
