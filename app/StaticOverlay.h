#pragma once
// The static overlay: what changes only when the chart is redrawn or the user edits, laid over
// the chart picture once per redraw. The light flashes go into MainChartBitmap, everything else
// into its copy ChartBackBitmap, from which the dynamic overlay restores its rectangles.
//
// The caller runs it whenever the picture is composed anew (after a redraw of MainChartBitmap,
// an edit, a repaint request): it takes its own copy of MainChartBitmap into ChartBackBitmap,
// so whatever ChartBackBitmap held before is replaced. Afterwards the caller lays the weather
// layer over ChartBackBitmap, copies it to ChartWorkBitmap and draws the dynamic overlay there.

#include <string>

class TForm1;

// Nothing until the start-up has finished or while there is no chart picture.
void PaintChartOverlay(TForm1& form);

// The depth unit's name shown on the chart for a depth factor: "meter" for 1.0, "feet" above,
// "fathoms" below.
std::string DepthUnitText(float depthFactor);
