#include "app/ChartCursor.h"

ScreenPoint CursorPixel{};
cmgbase::GeoPoint CursorGeo{};
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

void ResetChartCursor()
{
    CursorPixel = {};
    CursorGeo = {};
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
}
