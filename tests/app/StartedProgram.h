#pragma once
// The program as its first one-second tick starts it in a test's program folder: the chart
// engine over an installed chart database, the outside programs' test libraries, the shipped
// pictures and a small language file; and the tear-down of everything the start-up made.

#include "SetupTestSupport.h"

#include "platform/chartengine/ChartTestSupport.h"

#include <QSize>

#include <filesystem>
#include <memory>
#include <string>

class TForm1;

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

// A test of the started program over the bay's chart database, which its suite installs once.
class BayChartTest : public SetupTest {
protected:
    static void SetUpTestSuite() { bay_ = new charttest::BayEngine; }
    static void TearDownTestSuite()
    {
        delete bay_;
        bay_ = nullptr;
    }
    static std::filesystem::path engine() { return bay_->engine(); }

private:
    static inline charttest::BayEngine* bay_ = nullptr;
};
