#include "userdata/ScreenKeyboard.h"

platform::ChildProcess ScreenKeyboardProgram;
std::string ScreenKeyboardCommand = "osk";

bool StartScreenKeyboard()
{
    if (ScreenKeyboardProgram.isRunning())
        return true;
    return ScreenKeyboardProgram.start(ScreenKeyboardCommand);
}

void EndScreenKeyboard()
{
    // endAfter signals only a process of ours that has not been reaped, so never a stranger
    // that took over the number.
    if (ScreenKeyboardProgram.isRunning())
        ScreenKeyboardProgram.endAfter(0);
}
