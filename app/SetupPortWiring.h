#pragma once
// What the start-up gives the port set-up dialog: saving the settings, the main window's TCP
// client, the splash window, the sensor side's copy of the settings, and the port monitor's
// place in the sentence parser.

// Fills SetupPortHook and the parser's monitor hook (they reach the dialog and the main window
// through SetupPort and Form1, so either may be gone).
void WireSetupPort();

// Shows the port set-up (the main window's "Setup" choice). When it closes the settings are
// saved and the sensor side takes them up (RefreshSensorSettings).
void ShowSetupPort();
