#pragma once
// The backup, restore and import's place in the program: the file panel's "Delete selected
// data" makes a transfer remove the objects it names, the depth recorder takes imported
// soundings at their own positions, an imported own-ship position is taken while no sensor
// delivers one, and a list's chart view and screenshot go to the main window (through Form1,
// which is null once the window is gone).

void WireTransferHooks();
