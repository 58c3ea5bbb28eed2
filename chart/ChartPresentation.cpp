#include "chart/ChartPresentation.h"

#include "chart/ChartWindow.h"

// The chart engine of this build draws no chart yet, so there is no presentation to apply.
void ApplyPresentation(ChartWindow&, int, int, int) {}

void ApplyMiniPresentation(ChartWindow&) {}
