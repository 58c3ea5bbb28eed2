#pragma once
// The lights' part of a main-chart redraw: the light evaluation (after showing the chart drawn
// so far, as it takes a while) and the lights that do not flash, with the light labels, baked
// into MainChartBitmap.

struct ChartWindow;

// Before the engine draws: its own light descriptions give way while the characteristic layer
// writes the program's.
void PrepareLightDescriptions(ChartWindow& window);

// After the engine drew into MainChartBitmap: the marker list replaced (empty when no light
// layer is on, at level 13 and above, in the base presentation, or when the evaluation failed),
// then the dots of lights without rhythm and the labels drawn into the chart picture.
void RedrawLights(ChartWindow& window);
