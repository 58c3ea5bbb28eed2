#pragma once
// What the start-up gives the target dialog: the info file's stored AIS text messages, the track
// store for a target's track, the chart for its redraws and the main window for its place.

// Fills TargetDialogHook (the hooks reach the window through Form1).
void WireTargetDialog();
