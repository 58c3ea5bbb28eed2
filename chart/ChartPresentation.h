#pragma once
// Presentation, resolution, display parameters and palette of the main and the mini chart.

struct ChartWindow;

// Re-applies the presentation to the main chart (and the mini chart), redrawing as asked.
void ApplyPresentation(ChartWindow& window, int reapply, int redraw, int requestSet);
void ApplyMiniPresentation(ChartWindow& window);
