#pragma once
// The own ship, its course vector and the look-ahead sector over the mini chart. They are drawn
// over MiniChartBitmap in CM93mini's paint events, so that each picture of the mini chart, after
// a fix as after a mini redraw, shows them where the ship is now.

class QPainter;
class TForm1;

// A fix moved the ship: CM93mini shows the mini chart again with the markers.
void PaintMiniChartMarkers(TForm1& form);

// The markers on the canvas of CM93mini's paint event; nothing before the start-up has finished,
// before a first position or while the mini chart has no room.
void DrawMiniChartMarkers(TForm1& form, QPainter& canvas);
