#pragma once
// The tide port button of the 2D/3D page: the hourly tide search names the nearest port on it and
// keeps its index; a click opens that port in the tide window.

#include <cstdint>

class TForm1;

// The tide-port list index of the last hourly search; -1 before one found a port.
extern int32_t HourlyTidePortIndex;

void btn3DTideClick(TForm1& form);
