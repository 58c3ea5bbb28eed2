#pragma once
// Three-dimensional frames and focus rectangles on the outermost pixels of a rectangle, in the
// colours of a palette; the inside is left as it is.

#include "platform/components/Itypes.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QRect>

class QPainter;

namespace Igpfunctions {

// One pixel: the light colour on the top and left edges, the dark one on the right and bottom.
void DrawRaisedBorder(QPainter& painter, const QRect& rect,
                      const QPalette& palette = QGuiApplication::palette());
// One pixel: dark on the top and left, light on the right and bottom.
void DrawSunkenBorder(QPainter& painter, const QRect& rect,
                      const QPalette& palette = QGuiApplication::palette());
// Two pixels: a raised or sunken panel, an etched groove or a bump.
void iDrawEdge(QPainter& painter, const QRect& rect, Itypes::TiDrawEdgeStyle style,
               const QPalette& palette = QGuiApplication::palette());
// Every other pixel of the outline inverted: drawing it twice restores the picture. Needs a
// raster paint device (QImage, a widget).
void iDrawFocusRect(QPainter& painter, const QRect& rect);
// Every other pixel of the outline in `color`.
void iDrawFocusRect2(QPainter& painter, const QRect& rect, const QColor& color);

}  // namespace Igpfunctions
