#include "app/ChildPrograms.h"

#include "app/TimerClock.h"
#include "userdata/ScreenKeyboard.h"

#include <chrono>

platform::ChildProcess ThreeDGenerator;
platform::ChildProcess ThreeDViewer;

int EndChildPrograms()
{
    constexpr std::chrono::milliseconds Grace{500};
    int terminated = 0;
    for (platform::ChildProcess* program : {&ThreeDGenerator, &ThreeDViewer, &ScreenKeyboardProgram}) {
        if (!program->isRunning())
            continue;
        ShutdownClock().Wait(Grace, {});
        // endAfter looks again first and signals only a program of ours not yet reaped.
        if (program->endAfter(0))
            ++terminated;
    }
    return terminated;
}
