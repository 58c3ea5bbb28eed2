#pragma once
// The main window's keyboard: every key pressed anywhere in the main window reaches
// TForm1::FormKeyDown first (a key preview), which zooms and pans the chart, picks the chart
// bands, switches the tools, clicks at the cursor or the chart centre, drops event marks, runs the
// track, cycles colours and display modes, starts dead reckoning and acknowledges alarms.

#include <QtGlobal>

#include <cstdint>

class QKeyEvent;
class TForm1;

// Virtual key codes of the keys the table knows.
enum VirtualKey : uint16_t {
    VkBack = 8,
    VkReturn = 13,
    VkEscape = 27,
    VkSpace = 32,
    VkPrior = 33,  // Page Up
    VkNext = 34,   // Page Down
    VkHome = 36,
    VkLeft = 37,
    VkUp = 38,
    VkRight = 39,
    VkDown = 40,
    VkInsert = 45,
    Vk0 = 48,
    Vk9 = 57,
    VkA = 65,
    VkZ = 90,
    VkNumpad0 = 96,
    VkMultiply = 106,
    VkAdd = 107,
    VkSubtract = 109,
    VkF1 = 112,
    VkF12 = 123,
};

extern bool KeyboardInUse;    // a key was pressed: a bearing origin click offers the cross bearing
extern bool MarkTrackToggle;  // the start / stop mark keys F6 and F7: on after a start mark

// The virtual key code of a Qt key event: letters and digits as their characters, the keypad's
// digits, "*", "+", "-", "." and "/" as the keypad keys (by Qt's keypad flag), F1..F12, the
// editing and moving keys; 0 for a key the table has no code for.
uint16_t VirtualKeyOf(const QKeyEvent& event);

// Makes every key press of the main window and its controls go to the window's FormKeyDown
// before the control that has the focus; a key it consumes goes no further, but the character of
// a character key is still typed into the control. The screen grab key (PrintScreen) is left to
// its hot key.
void InstallKeyPreview(TForm1& form);
