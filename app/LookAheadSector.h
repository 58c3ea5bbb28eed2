#pragma once
// The look-ahead sector of the last look-ahead check (TickRequest.lookAheadSector), as the main
// and the mini chart show it while the check runs: from the own ship over the five points of
// its arc back to the own ship, dotted.

#include "frame/PixelGeometry.h"

#include <cstdint>

class MapView;
class QPainter;
class TForm1;
struct WindowRect;

// The check runs and its sector is shown: an antigrounding alarm on, the mini chart's automatic
// button down, the mini chart level below 12 and the own ship faster than the check's minimum
// speed.
bool LookAheadSectorShown(const TForm1& form);

// Draws the sector on a view's canvas from and back to the own ship's pixel; adds what it drew
// to the painted area when asked.
void DrawLookAheadSector(QPainter& canvas, const MapView& view, const WindowRect& window,
                         const ScreenPoint& ownShip, bool painted);
