#pragma once
// Colour gradients filling a rectangle or the circle (ellipse) inside it. The first and last
// pixel rows or columns of a rectangle take the given colours exactly.

#include "platform/components/Itypes.h"

#include <QColor>
#include <QRect>

class QPainter;

namespace Igpfunctions {

// From `startColor` on the side `direction` starts from to `endColor` on the opposite side.
void DrawGradientDirection(QPainter& painter, const QRect& rect, const QColor& startColor,
                           const QColor& endColor, Itypes::TiFillDirection direction);
// Left to right when horizontal, top to bottom when vertical.
void DrawGradient(QPainter& painter, const QRect& rect, const QColor& startColor,
                  const QColor& endColor, Itypes::TiOrientation orientation);
// The ellipse inside `rect`, from `centreColor` in its middle to `edgeColor` on its edge.
void DrawGradientCircle(QPainter& painter, const QRect& rect, const QColor& centreColor,
                        const QColor& edgeColor);

}  // namespace Igpfunctions
