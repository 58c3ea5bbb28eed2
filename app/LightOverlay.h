#pragma once
// The chart lights in the main window's overlays and ticks: the sector test from the own ship
// (or the cursor while a route is drawn or edited), the lights baked into the chart picture, the
// dots the dynamic overlay keeps, the characteristic of the light under the pointer, and the
// flash step of the tick.

#include "frame/PixelGeometry.h"

#include <cstdint>

class QPainter;
class TForm1;

// Where the sectors are seen from: the cursor while a route is drawn or edited, else the own
// ship, or the view's centre while there is no position.
ScreenPoint SectorReference(const TForm1& form);

// The static overlay's lights on the chart picture: with no light layer, or at level 13 and
// above, no markers; otherwise the sector test, the fixed lights (and, with only the sector
// layer, the lights seen from the own ship) drawn lit, and with flashing but no characteristic
// layer the texts of the lights that do not flash.
void PaintChartLights(TForm1& form, QPainter& canvas);

// The dynamic overlay's lights: the sector test (full call), and the shown dots again after the
// flash step changed them.
void PaintLightFlashes(TForm1& form, QPainter& canvas, bool full);

// The characteristic of the light marker under the pointer, highlighted.
void DrawHoverLightLabel(TForm1& form, QPainter& canvas, int32_t marker);

// The flash step of the tick, with flashing as the flashing-light layer says.
void UpdateLightFlashes(TForm1& form);
