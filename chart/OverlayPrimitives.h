#pragma once
// The drawing primitives the static and the dynamic overlay share. Each draws on a canvas, a
// painter on one of the chart window's bitmaps, and leaves the pen it set in force.

#include "platform/geodesy/GeoTypes.h"

#include <QColor>

#include <cstdint>
#include <string>

struct ChartWindow;
class QPainter;

// A line of the Windows colour (0x00BBGGRR) and width from (x1, y1) to (x2, y2), both ends
// included; nothing when the two points coincide.
void DrawLineSegment(ChartWindow& window, QPainter& canvas, uint32_t colour, int32_t x1, int32_t y1, int32_t x2,
                     int32_t y2, int32_t width);

// The Windows-1252 text in a rounded box filled with colour, its top-left corner at (x, y), in
// the label font of the text-size setting, which stays the canvas font; the text's width.
int32_t DrawLabelBox(ChartWindow& window, QPainter& canvas, int32_t x, const std::string& text, const QColor& colour,
                     int32_t y);

// Symbol icon of the symbol strip in the colour of strip row 1.., centred on (x, y): its mask
// clears the symbol's pixels, its colour row fills them, the rest of the canvas stays.
void DrawMaskedIcon(ChartWindow& window, QPainter& canvas, int32_t icon, int32_t row, int32_t x, int32_t y);

// A stored zone (kind 6: circle around pointA through pointB; kind 9 the same cross-hatched) or
// field (kind 7: rectangle with corners pointA and pointB) of the main view, hatched in the user
// colour, with the handle square at pointA. Nothing when both points share a pixel.
void DrawUserLineSegment(ChartWindow& window, QPainter& canvas, const cmgbase::GeoPoint& pointA, int32_t colour,
                         int32_t kind, const cmgbase::GeoPoint& pointB);

// A recorded depth (metres) at (x, y): the 4 x 4 square in the pen and brush in force and, away
// from the last labelled mark, its value in the depth unit.
void DrawDepthMark(ChartWindow& window, QPainter& canvas, float depth, int32_t x, int32_t y);

// A short Windows-1252 text in user colour `colour` (1..7) with its top-left corner at (x, y), in
// the canvas font. Each text is laid out once per colour and font and then copied as a picture,
// so that thousands of them (the seabed's depth numbers) draw quickly.
void DrawOverlayText(ChartWindow& window, QPainter& canvas, const std::string& text, int32_t colour, int32_t x,
                     int32_t y);

// The 4 x 4 square of a point, (x - 2, y - 2) to (x + 1, y + 1), in the pen and brush in force.
void DrawHandleSquare(QPainter& canvas, int32_t x, int32_t y);

// An arrow head with its point at (x, y), pointing in `direction` (screen radians: 0 to the
// right, growing clockwise as y runs down): two strokes of 12 px back from the point, one radian
// either side of the way back, in the pen in force.
void DrawArrowHead(QPainter& canvas, double direction, int32_t x, int32_t y);
