#pragma once
// What happens when a chart engine call fails while the chart is drawn or its presentation
// applied: the engine objects are built again (the reason is reported first) and the views get
// back everything they showed: centre, scale, zoom and rotation travel with the views; the
// presentation, colour scheme, display categories and hidden object classes are applied anew.
//
// A failure while a restart runs does not start another one: it goes to the running restart,
// which tries once more and, when that fails as well, ends the program with the fatal chart
// engine message, so a lasting failure is reported once rather than in an endless chain.

#include <string>

struct ChartWindow;

void ChartEngineFailed(ChartWindow& window, const std::string& reason);
