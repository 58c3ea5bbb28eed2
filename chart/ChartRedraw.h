#pragma once
// The full redraw of the main chart into its bitmaps and the redraw of the mini chart. The
// engine draws into MainChartBitmap with the chart's device points centred on the window's
// centre pixel, the same centre the screen-point conversions of the views use; the paint box
// CM93 then shows the bitmaps with the overlays.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>

struct ChartWindow;

// The visible area in degrees x 600000, widened after the redraw for the user-object store.
struct DegreeRect {
    int32_t north = 0;
    int32_t south = 0;
    int32_t west = 0;
    int32_t east = 0;
};

// The main view's visible area after the last redraw.
extern cmgbase::GeoRect ViewGeoRect;
extern DegreeRect ViewRectDegrees;
// Screen pixels per nautical mile of the main view; the last good value when the view could
// not measure one.
extern float PixelsPerMile;

// full: every ordinary redraw; false only over a relief picture already in MainChartBitmap. A
// redraw asked for while one runs is left to the next tick (chartRedrawRequest). A full redraw
// with the 2D or 3D view on at level 12 or finer writes the 3D export of the visible area.
void RedrawChart(ChartWindow& window, bool full);
// Nothing before the start-up is done or while the mini chart has no room.
void RedrawMiniChart(ChartWindow& window);
// The main view's highlight of the selected object, into ChartBackBitmap.
void PaintViewShapes(ChartWindow& window);
