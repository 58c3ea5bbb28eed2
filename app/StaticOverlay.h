#pragma once
// The static overlay: what changes only when the chart is redrawn or the user edits, laid over
// the chart picture once per redraw. The light flashes go into MainChartBitmap, everything else
// into its copy ChartBackBitmap, from which the dynamic overlay restores its rectangles.

class TForm1;

// Nothing until the start-up has finished.
void PaintChartOverlay(TForm1& form);
