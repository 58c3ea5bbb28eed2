#pragma once
// Opening a tide port in the tide window: from the tide port button of the 2D/3D page, where the
// hourly tide search names the nearest port and keeps its index, and from a click on a port the
// chart shows.

#include <cstdint>

class TForm1;

// The tide-port list index of the last hourly search; -1 before one found a port.
extern int32_t HourlyTidePortIndex;

void btn3DTideClick(TForm1& form);

// A click at (x, y) on the main chart: the first port the last redraw showed within 6 px opens in
// the tide window (when the engine gives it). False when none lies that near, so the click goes
// on to the chart objects.
bool OpenTidePortAt(int32_t x, int32_t y);
