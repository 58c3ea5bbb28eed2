#pragma once
// The north arrow in the top-left corner of the chart: two halves of a needle turned with the
// chart, the north half red and the south half blue, and an "N" beyond its tip.

#include <QPoint>

#include <array>

class QPainter;

// The needle's centre on the chart.
constexpr QPoint NorthArrowCentre{50, 50};

// The arrow's points on a chart turned by rotation degrees: the needle's east, south and west
// points, the east point again, the north tip, and where the "N" stands.
std::array<QPoint, 6> NorthArrowPoints(float rotation);

// Draws the arrow, outlined in the window-text colour, the halves in user colours 2 (south)
// and 1 (north).
void DrawNorthArrow(QPainter& canvas, float rotation);
