#include "app/MiniChartMarkers.h"

void PaintMiniChartMarkers(TForm1&) {}
