#pragma once
// The outside programs the main program starts: the 3D generator at start-up, the 3D viewer
// from the main window. Each one still running at shut-down is ended after a short wait.

#include "platform/system/ChildProcess.h"

extern platform::ChildProcess ThreeDGenerator;
extern platform::ChildProcess ThreeDViewer;

// Ends each child program still running, after waiting 500 ms for it to end by itself. The 3D
// generator is left alone while the 3D exchange is off.
void EndChildPrograms();
