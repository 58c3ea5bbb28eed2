#pragma once
// What the start-up gives the symbol and track dialogs: the chart's redraws, the main window's
// tool buttons, bars and chart-layer list, the object list, the track tools of the chart pick,
// the target table, the simulated-target dialog and the text editor.

// Fills ObjectDialogHook (the hooks reach the window through Form1).
void WireObjectDialogs();
