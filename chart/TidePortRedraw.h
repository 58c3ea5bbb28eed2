#pragma once
// The tide ports of a main-chart redraw: the ports inside the view, kept for the chart clicks,
// and their magenta diamonds baked into MainChartBitmap.

#include "chart/MapManager.h"

#include <vector>

struct ChartWindow;

// The ports the last redraw drew, with their screen points.
extern std::vector<TVisibleTidePort> VisibleTidePortList;

// Replaces VisibleTidePortList (empty at level 16 and above and in the base presentation) and
// draws each port: a large diamond with "T" up to level 11, a small one above.
void RedrawTidePorts(ChartWindow& window);
