#pragma once
// The outside programs the main program starts: the 3D generator at start-up, the 3D viewer
// from the main window (and the information dialog's on-screen keyboard, ScreenKeyboard.h).
// Each one still running at shut-down is ended after a short wait.

#include "platform/system/ChildProcess.h"

extern platform::ChildProcess ThreeDGenerator;
extern platform::ChildProcess ThreeDViewer;

// For the 3D generator, the 3D viewer, then the on-screen keyboard: one still running gets
// 500 ms (ShutdownClock) to end by itself and is then terminated unless it has ended meanwhile;
// one that has ended or was never started is left alone. The generator is ended with or without the 3D library: it is this
// program's child and would outlive it. Returns how many had to be terminated; a second call
// finds none.
int EndChildPrograms();
