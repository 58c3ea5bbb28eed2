#pragma once
// What the start-up gives the object dialogs: the main window's line and drawing state, tool
// buttons, bars and chart-layer list, the position dialog, the object store, the chart's redraws
// and object query, the target table, the simulated-target dialog, the text editor and the
// on-screen keyboard's command from Startup.ini.

// Fills ObjectDialogHook (the hooks reach the window through Form1) and ScreenKeyboardCommand.
void WireObjectDialogs();
