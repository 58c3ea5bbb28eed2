#include "app/NorthArrow.h"

#include "chart/OverlayColours.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <numbers>

namespace {

constexpr double RadiansPerDegree = std::numbers::pi / 180.0;

struct PolarPoint {
    double radius;
    double angle;  // degrees clockwise from the screen's x axis, before the chart's rotation
};

constexpr std::array<PolarPoint, 6> ArrowShape{{{7, 0}, {32, 90}, {7, 180}, {7, 0}, {32, 270}, {39, 270}}};

constexpr int32_t SouthColour = 2;
constexpr int32_t NorthColour = 1;
// The "N" stands this far left of and above the sixth point.
constexpr QPoint LetterOffset{-3, -6};

}  // namespace

std::array<QPoint, 6> NorthArrowPoints(float rotation)
{
    std::array<QPoint, 6> points;
    for (size_t i = 0; i < ArrowShape.size(); ++i) {
        const double angle = (ArrowShape[i].angle - rotation) * RadiansPerDegree;
        // Rounded by adding a half and cutting towards zero, as the arrow has always been placed.
        points[i] = NorthArrowCentre + QPoint(int(ArrowShape[i].radius * std::cos(angle) + 0.5),
                                              int(ArrowShape[i].radius * std::sin(angle) + 0.5));
    }
    return points;
}

void DrawNorthArrow(QPainter& canvas, float rotation)
{
    const std::array<QPoint, 6> points = NorthArrowPoints(rotation);
    canvas.setPen(OverlayPen(WindowTextColour(), 1));
    QPolygon half(QList<QPoint>(points.begin(), points.begin() + 5));
    canvas.setBrush(UserColour(SouthColour));
    canvas.drawPolygon(half);
    half[1] = points[4];
    canvas.setBrush(UserColour(NorthColour));
    canvas.drawPolygon(half);
    canvas.setBrush(Qt::NoBrush);
    const QPoint letter = points[5] + LetterOffset;
    canvas.drawText(letter.x(), letter.y() + canvas.fontMetrics().ascent(), QStringLiteral("N"));
}
