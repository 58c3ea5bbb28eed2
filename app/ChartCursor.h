#pragma once
// Where the pointer is over the main chart and what the bearing tool holds. The chart's mouse
// input writes it; the overlays, the cursor readout and the dialogs read it. Main thread only.

#include "frame/PixelGeometry.h"
#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstdint>

// The last pointer position over CM93; its chart position is the window's cursorChartPoint.
extern ScreenPoint CursorPixel;
// The first point of a two-click action, the origin of the bearing line, the last placed point
// of a rubber band.
extern cmgbase::GeoPoint AnchorGeo;
extern ScreenPoint AnchorPixel;
extern cmgbase::GeoPoint BearingEndGeo;  // the bearing line's second point
extern ScreenPoint BearingEndPixel;
extern bool BearingOriginSet;            // the bearing line runs from AnchorGeo
// The bearing line's far end is fixed: at the own ship with an origin set, else at BearingEndGeo.
extern bool BearingFrozen;

struct StoredBearingLine {
    cmgbase::GeoPoint origin;  // none while zero
    cmgbase::GeoPoint end;
};
extern std::array<StoredBearingLine, 3> StoredBearingLines;  // newest first

extern int32_t HoverMarker;              // chart marker under the pointer, -1 none
extern bool WeatherPointArmed;           // the next plain click sets WeatherPoint
extern cmgbase::GeoPoint WeatherPoint;   // where the weather readout stands
extern int32_t PickedSymbolId;           // the symbol picked to be moved; 0 none

// Every value back to its start value (start-up and tests).
void ResetChartCursor();
