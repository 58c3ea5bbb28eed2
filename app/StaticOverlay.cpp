#include "app/StaticOverlay.h"

void PaintChartOverlay(TForm1&) {}
