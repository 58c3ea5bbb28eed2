#pragma once
// The light markers' dots on the main chart: which sector light is seen from the reference
// point, and the flash step that lights and darkens the dots in their rhythms. The step reads
// the phase counters the 200 ms timer advances.

#include "frame/PixelGeometry.h"

#include <QRect>

#include <cstdint>

struct ChartWindow;
struct ChartMarker;
class QPainter;

// The true bearing from the marker to the reference pixel, tenths of a degree 0..3599: the
// screen direction plus the chart's rotation (the bearing that points up).
int32_t BearingToReference(const ChartMarker& marker, const ScreenPoint& reference, float rotation);
// start <= bearing < end, the sector passing north when its end lies below its start.
bool BearingInSector(int32_t bearing, int32_t start, int32_t end);

// Every marker's in-sector flag from the reference point (the own ship, or the cursor while a
// route is edited). With the sector layer on, a white light entering or leaving a sector
// narrower than 20.1 or wider than 339.9 degrees asks for a full redraw (its limits change).
void UpdateSectorVisibility(ChartWindow& window, const ScreenPoint& reference, bool sectorLayer);

// The flash step: each flashed marker's dot follows its rhythm (flashing on) or stays lit
// (flashing off), and shows only while the reference point is in its sector or it has none. The
// dots go into ChartWorkBitmap and the paint box repaints their squares. Nothing while a zoom
// holds the picture.
void UpdateLightFlashes(ChartWindow& window, bool flashing);

// Marker i's dot drawn (draw) or erased from ChartBackBitmap on the canvas when its point lies
// in rect; its shown flag becomes draw. The square it touched; empty when it lay outside.
QRect DrawFlashElement(ChartWindow& window, QPainter& canvas, bool draw, const QRect& rect, int32_t i);
