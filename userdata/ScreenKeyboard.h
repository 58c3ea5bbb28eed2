#pragma once
// The on-screen keyboard that the information dialog starts while it is shown, with the option
// to describe objects on: the command of Startup.ini's [Programs] ScreenKeyboard, started as a
// child program of its own. Main thread only.

#include "platform/system/ChildProcess.h"

#include <string>

extern platform::ChildProcess ScreenKeyboardProgram;
// Set by the start-up from Startup.ini.
extern std::string ScreenKeyboardCommand;

// Starts the keyboard unless the one started before still runs; false when it could not be
// started (a missing program): the dialog then works without it.
bool StartScreenKeyboard();

// Ends the keyboard this program started, and only that process: it is asked to end (SIGTERM)
// and killed when it is still there after a short wait. Nothing when none runs.
void EndScreenKeyboard();
