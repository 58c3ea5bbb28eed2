#pragma once
// The chart side's part of the main window: the fields the chart code reads and writes. The main
// window derives from it, so chart routines take it without knowing the window itself.

#include "platform/geodesy/GeoTypes.h"

#include <QImage>

#include <cstdint>

struct ChartWindow {
    int32_t chartLevel = 16;      // main view, 0..17 of ChartLevelTable
    int32_t miniChartLevel = 16;  // mini view
    bool presentationChanged = false;
    cmgbase::GeoPoint cursorChartPoint{};
    // The symbol images of the overlays: 17-pixel cells, row 0 the masks, rows 1.. the colours.
    QImage SymbolStrip;
};
