#pragma once
// What the start-up gives the target table and the simulated-target dialog: the ais5 file of
// the user database, the main chart view's centre and the main window's ARPA button.

// Fills the target hooks of SensorHook (they reach the window through Form1).
void WireTargetTable();
