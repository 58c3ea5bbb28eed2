#pragma once
// The chart side's part of the main window: the fields the chart code reads and writes. The main
// window derives from it, so chart routines take it without knowing the window itself.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>

struct ChartWindow {
    int32_t chartLevel = 16;      // main view, 0..17 of ChartLevelTable
    int32_t miniChartLevel = 16;  // mini view
    bool presentationChanged = false;
    cmgbase::GeoPoint cursorChartPoint{};
};
