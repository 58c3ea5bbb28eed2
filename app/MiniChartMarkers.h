#pragma once
// The own ship, its course vector and the look-ahead sector over the mini chart.

class TForm1;

void PaintMiniChartMarkers(TForm1& form);
