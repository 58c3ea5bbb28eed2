#pragma once
// The 21 system colours the display modes set, by their Windows index, as the program's own:
// each lives in the application palette's roles that stand for it, and where Qt has no role
// (captions, borders, the workspace) here, for the program's own drawing. Only the program's
// windows change colour; nothing outside it does, and nothing outlives it.

#include <QColor>

#include <array>
#include <cstdint>

// Windows colours 0x00BBGGRR in the order of SavedSystemColourIndexes.
using SystemColourSet = std::array<uint32_t, 21>;

// Windows system colour indexes of the colours that Qt has no palette role for.
inline constexpr int ActiveCaptionColourIndex = 2;
inline constexpr int CaptionTextColourIndex = 9;

// Makes the colours the program's: the application palette takes them, and so every window
// of the program repaints in them.
void SetSystemColours(const SystemColourSet& colours);
// The program's colours now.
SystemColourSet CurrentSystemColours();
// The colour of one Windows system colour index of the 21; an invalid colour for any other.
QColor SystemColour(int windowsIndex);
// The client area of the shut-down dialog: the active caption's colour.
QColor ActiveCaptionColour();

// Keeps the application palette and the colours in force now (in SavedSystemColours) and makes
// RestoreSystemColours give exactly them back.
void SaveSystemColours();
