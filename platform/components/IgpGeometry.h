#pragma once
// Points and rectangles: points on a circle, double and integer points, x and y swapped for a
// vertical orientation, rectangles from edges and around point lists. Rectangles given by
// edges take the right and bottom edge as the first column and row outside.

#include "platform/components/Itypes.h"

#include <QPoint>
#include <QRect>

#include <span>

namespace Igpfunctions {

// The point at `radius` from `centre` in the direction `angleDegrees`, counted
// counter-clockwise from the x axis as seen on the screen (y grows downwards). Rounded to the
// nearest pixel.
QPoint GetXYRadPoint(double angleDegrees, double radius, QPoint centre);
Itypes::TPointDouble GetXYRadPointDouble(double angleDegrees, double radius,
                                         Itypes::TPointDouble centre);

Itypes::TPointDouble PointDouble(double x, double y);
// Rounded to the nearest pixel, held to the int range.
QPoint PointDoubleToPoint(Itypes::TPointDouble point);

// x and y swapped.
QPoint iXYReversePoint(QPoint point);
QRect iXYReverseRect(QRect rect);
// Swapped when `reverse` is set, else as given.
QPoint iPointReverse(QPoint point, bool reverse);
// Swapped for the vertical orientation.
QPoint PointOrientation(QPoint point, Itypes::TiOrientation orientation);
QRect RectOrientation(QRect rect, Itypes::TiOrientation orientation);

// The rectangle between the edges: iRect(0, 0, 10, 5) is 10 wide and 5 high.
QRect iRect(int left, int top, int right, int bottom);
// The centre, half the width and height from the top left corner (rounded down).
QPoint GetRectCenterPoint(QRect rect);
// The smallest rectangle holding every point (so the pixel of each lies inside); null for no
// points.
QRect GetClickRect(std::span<const QPoint> points);

}  // namespace Igpfunctions
