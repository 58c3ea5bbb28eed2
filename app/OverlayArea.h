#pragma once
// The area the dynamic overlay draws in, kept in OverlayDirtyRect (frame/PaintBounds.h) so that
// the next frame erases just that. Each drawing routine adds what it drew; parts that lie off
// the paint box, however far (an own ship far outside the view has a pixel near the int32
// limits), add nothing.

#include "frame/PixelGeometry.h"

#include <QRect>

#include <cstdint>

// The paint box the areas are held to: CM93's client rectangle.
void SetOverlayPaintBox(const QRect& box);

// Adds the rectangle from (left, top) to (right, bottom), both included.
void AddPaintedArea(int64_t left, int64_t top, int64_t right, int64_t bottom);
// A point and what lies within margin pixels of it.
void AddPaintedPoint(const ScreenPoint& point, int32_t margin);
// A segment and what lies within margin pixels of it.
void AddPaintedLine(const ScreenPoint& from, const ScreenPoint& to, int32_t margin);

// OverlayDirtyRect as a rectangle of the paint box; empty while it holds nothing.
QRect PaintedArea();
