#pragma once
// Presentation, resolution, display parameters and colours of the main and the mini chart, taken
// from the settings and the main window's controls. A refused engine call restarts the chart
// engine (ChartEngineRestart.h) and ends the operation: the functions then return false.

#include "chart/ChartDisplayParams.h"
#include "chart/MapView.h"

struct ChartWindow;

// What ApplyPresentation re-applies.
inline constexpr int PresentationCategory = 1;    // the symbolization of the S52 mode
inline constexpr int PresentationColours = 2;     // the colour table of the day / night palette
inline constexpr int PresentationScheme = 4;      // the user colours of the day / night palette
inline constexpr int PresentationResolution = 8;  // resolution and display parameters

// Re-applies parts to the main view (main) and the mini view (mini); the colour table always
// goes to both views. After the start-up the charts asked for are redrawn.
bool ApplyPresentation(ChartWindow& window, bool main, bool mini, int parts);
// The mini chart's presentation: the look-ahead's while btnMiniAuto is down; then its redraw.
bool ApplyMiniPresentation(ChartWindow& window);
// The main view's display parameters from the settings and the presentation buttons.
void BuildChartDisplayParams(ChartWindow& window);

// The chart colours of a day / night palette (0..4): the standard table of the engine's scheme
// with the program's own colours where the settings ask for them (S52 mode 1, no safety depth).
void AdjustChartColours(ChartColourTable& table, int32_t paletteIndex);
