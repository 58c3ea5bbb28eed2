#include "app/ChartCursor.h"

ScreenPoint CursorPixel{};
cmgbase::GeoPoint AnchorGeo{};
ScreenPoint AnchorPixel{};
cmgbase::GeoPoint BearingEndGeo{};
ScreenPoint BearingEndPixel{};
bool BearingOriginSet = false;
bool BearingFrozen = false;
std::array<StoredBearingLine, 3> StoredBearingLines{};
int32_t HoverMarker = -1;
bool WeatherPointArmed = false;
cmgbase::GeoPoint WeatherPoint{};
int32_t PickedSymbolId = 0;

void ResetChartCursor()
{
    CursorPixel = {};
    AnchorGeo = {};
    AnchorPixel = {};
    BearingEndGeo = {};
    BearingEndPixel = {};
    BearingOriginSet = false;
    BearingFrozen = false;
    StoredBearingLines = {};
    HoverMarker = -1;
    WeatherPointArmed = false;
    WeatherPoint = {};
    PickedSymbolId = 0;
}
