#pragma once
// What the start-up gives the information dialog and the point list: the main window's line and
// drawing state, the position dialog, the object store and the chart object query, and the
// on-screen keyboard's command from Startup.ini.

// Fills ObjectDialogHook (the hooks reach the window through Form1) and ScreenKeyboardCommand.
void WireObjectDialogs();
