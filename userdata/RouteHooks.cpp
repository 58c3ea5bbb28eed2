#include "userdata/RouteHooks.h"

RouteHooks RouteHook;

cmgbase::GeoPoint HookedCursorChartPoint()
{
    return RouteHook.cursorChartPoint ? RouteHook.cursorChartPoint() : cmgbase::GeoPoint{};
}
