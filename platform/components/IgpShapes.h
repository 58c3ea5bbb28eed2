#pragma once
// Lines and simple shapes through QPainter, in the painter's pen and brush unless a colour is
// given. Rectangles are pixel rectangles: an outline runs on their outermost pixels.

#include "platform/components/Itypes.h"

#include <QGuiApplication>
#include <QPalette>
#include <QPointF>
#include <QRect>

class QPainter;

namespace Igpfunctions {

// From (x1, y1) to (x2, y2), both end pixels included.
void Line(QPainter& painter, int x1, int y1, int x2, int y2);
// The Line from (x1, y1) to (x2, y2) and beside it a second one pixel below (to the right of a
// line steeper than 45 degrees): the palette's light colour, then its dark one for a raised
// line, dark then light for a lowered one. TiBevelStyle::None draws the plain Line.
void LineBevel(QPainter& painter, int x1, int y1, int x2, int y2, Itypes::TiBevelStyle style,
               const QPalette& palette = QGuiApplication::palette());
// The part of the ring between two radii around `centre` from `startDegrees` over
// `spanDegrees` (counter-clockwise from the x axis as seen on the screen, negative spans
// clockwise), filled with the brush and outlined with the pen.
void ArcSegment(QPainter& painter, QPointF centre, double innerRadius, double outerRadius,
                double startDegrees, double spanDegrees);
// The outline of `rect`, its inside left as it is.
void iRectangle(QPainter& painter, const QRect& rect);
// A filled triangle filling `rect`, its tip in the middle of the side `direction` names.
void iDrawTriangle(QPainter& painter, const QRect& rect, Itypes::TiDirection direction,
                   const QColor& color);
// The small arrow of a spin button, centred in `rect`, in the palette's button text colour (its
// disabled one when not `enabled`).
void iDrawButtonArrowUp(QPainter& painter, const QRect& rect, bool enabled = true,
                        const QPalette& palette = QGuiApplication::palette());
void iDrawButtonArrowDown(QPainter& painter, const QRect& rect, bool enabled = true,
                          const QPalette& palette = QGuiApplication::palette());

}  // namespace Igpfunctions
