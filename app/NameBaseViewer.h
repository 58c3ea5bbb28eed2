#pragma once
// The outside name-base viewer (key F3): the command of Startup.ini's [Programs] NameBaseViewer.

#include "platform/system/ChildProcess.h"

extern platform::ChildProcess NameBaseViewerProgram;

// Starts the viewer unless the one started before still runs; the bound name base learns first
// that its viewer comes (state 3). An empty command leaves the viewer off; one that cannot be
// started is reported in a message box.
void ShowNameBaseViewer();
