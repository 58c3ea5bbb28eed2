#pragma once
// Screen points of a chart window and the engine's device points. A device point is a pixel
// offset from the window's centre pixel with y up; the centre pixel is the window's middle,
// halves rounded down, so a window 801 pixels wide has its centre in column 400. Sums and
// midpoints are taken in 64 bits: any int32 rectangle and point work, and a result that int32
// cannot hold is refused rather than wrapped.

#include "frame/PixelGeometry.h"
#include "platform/chartengine/ProjectionTypes.h"

#include <cstdint>

// A window rectangle in the coordinates of its screen points; right and bottom lie just outside
// (a client rectangle from (0, 0) to (width, height)).
struct WindowRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// left + (right - left) / 2 and likewise for top and bottom, halves rounded down.
ScreenPoint WindowCentre(const WindowRect& window);

// false, device untouched, when the offset does not fit int32.
bool ScreenToDevice(const WindowRect& window, const ScreenPoint& point, chartengine::DevicePoint& device);
// false, point untouched, when the pixel does not fit int32.
bool DeviceToScreen(const WindowRect& window, const chartengine::DevicePoint& device, ScreenPoint& point);
// The window's own rectangle in device coordinates; false when a corner does not fit int32.
bool WindowDeviceRect(const WindowRect& window, chartengine::DeviceRect& device);
