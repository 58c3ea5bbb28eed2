#include "chart/WindowCoordinates.h"

#include <cstdint>

namespace {

// The middle of [low, high), halves rounded down; it always lies between the two.
int32_t Middle(int32_t low, int32_t high)
{
    return static_cast<int32_t>(low + ((int64_t{high} - low) >> 1));
}

bool FitsInt32(int64_t value) { return value >= INT32_MIN && value <= INT32_MAX; }

}  // namespace

ScreenPoint WindowCentre(const WindowRect& window)
{
    return {Middle(window.left, window.right), Middle(window.top, window.bottom)};
}

bool ScreenToDevice(const WindowRect& window, const ScreenPoint& point, chartengine::DevicePoint& device)
{
    const ScreenPoint centre = WindowCentre(window);
    const int64_t x = int64_t{point.x} - centre.x;
    const int64_t y = int64_t{centre.y} - point.y;
    if (!FitsInt32(x) || !FitsInt32(y))
        return false;
    device = {static_cast<int32_t>(x), static_cast<int32_t>(y)};
    return true;
}

bool DeviceToScreen(const WindowRect& window, const chartengine::DevicePoint& device, ScreenPoint& point)
{
    const ScreenPoint centre = WindowCentre(window);
    const int64_t x = int64_t{centre.x} + device.x;
    const int64_t y = int64_t{centre.y} - device.y;
    if (!FitsInt32(x) || !FitsInt32(y))
        return false;
    point = {static_cast<int32_t>(x), static_cast<int32_t>(y)};
    return true;
}

bool WindowDeviceRect(const WindowRect& window, chartengine::DeviceRect& device)
{
    chartengine::DevicePoint topLeft, bottomRight;
    if (!ScreenToDevice(window, {window.left, window.top}, topLeft) ||
        !ScreenToDevice(window, {window.right, window.bottom}, bottomRight))
        return false;
    device = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    return true;
}
