#pragma once
// The radar picture over the chart: the radar service draws into the main window's radar bitmap
// (white where nothing echoes), which the overlay TRadar then shows.

struct ChartWindow;

// Nothing without a radar manager, an overlay or a bitmap.
void PaintRadarOverlay(ChartWindow& window);
