#pragma once
// The "Chart" page of the tool dialog: contours, look-ahead, resolution, depth unit, chart layers
// and the presentation category. The handlers write the settings and leave the redraw to the
// one-second tick's count-downs.

class TForm1;

void ConnectChartPage(TForm1& form);

// The full presentation: every object class shown but those of the unchecked layers, in both
// views, with the presentation made anew when the layers asked for it (category 4), else
// category 3; the chart is redrawn at the next tick.
void rbFullClick(TForm1& form);
