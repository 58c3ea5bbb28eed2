#include "app/TargetSymbols.h"

#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "frame/PaintBounds.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/PositionComputation.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace {

constexpr int32_t MarkColour = 6;  // heading line, strike and brackets
constexpr double NauticalMilesPerMetre = 0.00054;
constexpr double RadiansPerDegree = std::numbers::pi / 180.0;

constexpr double TriangleTip = 14.0;
constexpr double TriangleBase = 7.0;
constexpr double HeadingLineEnd = 45.0;
constexpr double TurnFlagEnd = 45.5;
constexpr double TurnFlagAngle = 10.0;  // degrees off the heading, to the side of the turn
constexpr int8_t RateOfTurnUnknown = -128;
constexpr int32_t FastestSteadyTurn = 8;

// The pixel radius px from centre at degrees clockwise from the screen's x axis.
QPoint AtAngle(ScreenPoint centre, double radius, double degrees)
{
    const double radians = degrees * RadiansPerDegree;
    return QPoint(int(std::lround(centre.x + radius * std::cos(radians))),
                  int(std::lround(centre.y + radius * std::sin(radians))));
}

// Points given relative to centre.
QPolygon Around(ScreenPoint centre, std::initializer_list<QPoint> offsets)
{
    QPolygon shape;
    for (const QPoint& offset : offsets)
        shape << QPoint(centre.x, centre.y) + offset;
    return shape;
}

int32_t Margin(const QPen& pen) { return pen.width() / 2 + 1; }

}  // namespace

void ExtendPaintBoundsAround(const QPolygon& shape, int32_t margin)
{
    const QRect box = shape.boundingRect();
    ExtendPaintBounds(box.left() - margin, box.top() - margin, box.right() + margin, box.bottom() + margin);
}

void DrawAisTriangle(QPainter& canvas, const QPen& pen, ScreenPoint centre, double screenHeading)
{
    const QPolygon triangle{AtAngle(centre, TriangleTip, screenHeading - 90.0),
                            AtAngle(centre, TriangleBase, screenHeading + 45.0),
                            AtAngle(centre, TriangleBase, screenHeading + 135.0)};
    canvas.setPen(pen);
    canvas.setBrush(Qt::NoBrush);
    canvas.drawPolygon(triangle);
    ExtendPaintBoundsAround(triangle, Margin(pen));
}

std::optional<std::array<ScreenPoint, 5>> AisHullCorners(const MapView& view, const WindowRect& window,
                                                          const cmgbase::GeoPoint& position, double heading,
                                                          const AisStaticBlock& dimensions)
{
    const double bow = dimensions.dimensionA;
    const double stern = dimensions.dimensionB;
    const double port = dimensions.dimensionC;
    const double starboard = dimensions.dimensionD;
    const double shoulders = std::max(bow - (port + starboard), -stern);
    struct Offset {
        double ahead;
        double starboard;
    };
    const std::array<Offset, 5> offsets{{{bow, (starboard - port) / 2},
                                         {shoulders, starboard},
                                         {-stern, starboard},
                                         {-stern, -port},
                                         {shoulders, -port}}};
    std::array<ScreenPoint, 5> corners{};
    for (size_t i = 0; i < offsets.size(); ++i) {
        const Offset& o = offsets[i];
        const double bearing = heading * RadiansPerDegree + std::atan2(o.starboard, o.ahead);
        cmgbase::GeoPoint corner{};
        if (cmgbase::DirPosComputation(position, &corner, bearing,
                                       std::hypot(o.ahead, o.starboard) * NauticalMilesPerMetre,
                                       0) != cmgbase::kGeoOk ||
            !view.GeoToScreen(window, corner, corners[i]))
            return std::nullopt;
    }
    return corners;
}

void DrawAisHull(QPainter& canvas, const QPen& pen, const std::array<ScreenPoint, 5>& corners)
{
    QPolygon hull;
    for (const ScreenPoint& corner : corners)
        hull << QPoint(corner.x, corner.y);
    canvas.setPen(pen);
    canvas.setBrush(Qt::NoBrush);
    canvas.drawPolygon(hull);
    ExtendPaintBoundsAround(hull, Margin(pen));
}

void DrawAisHeadingLine(QPainter& canvas, ScreenPoint centre, double screenHeading, int8_t rateOfTurn)
{
    const double ahead = screenHeading - 90.0;
    const QPoint end = AtAngle(centre, HeadingLineEnd, ahead);
    QPolygon line{AtAngle(centre, TriangleTip, ahead), end};
    canvas.setPen(OverlayPen(UserColour(MarkColour), 1));
    canvas.drawLine(line[0], line[1]);
    // The flag points to port for a turn to port (a negative rate), else to starboard.
    if (rateOfTurn != RateOfTurnUnknown && std::abs(int32_t(rateOfTurn)) > FastestSteadyTurn) {
        const QPoint flag = AtAngle(centre, TurnFlagEnd, ahead + (rateOfTurn <= 0 ? -TurnFlagAngle : TurnFlagAngle));
        canvas.drawLine(end, flag);
        line << flag;
    }
    ExtendPaintBoundsAround(line, 1);
}

void DrawAisStrike(QPainter& canvas, const QPen& pen, ScreenPoint centre)
{
    const QPolygon stroke = Around(centre, {{10, -10}, {-10, 10}});
    QPen strike = pen;
    strike.setColor(UserColour(MarkColour));
    canvas.setPen(strike);
    canvas.drawLine(stroke[0], stroke[1]);
    ExtendPaintBoundsAround(stroke, Margin(strike));
}

void DrawArpaSymbol(QPainter& canvas, const QPen& pen, ScreenPoint centre, bool tracked)
{
    canvas.setPen(pen);
    canvas.setBrush(Qt::NoBrush);
    if (tracked) {
        const QPolygon square = Around(centre, {{-4, -4}, {6, -4}, {6, 6}, {-4, 6}});
        canvas.drawPolygon(square);
        ExtendPaintBoundsAround(square, Margin(pen));
        return;
    }
    canvas.drawPolyline(Around(centre, {{-5, 0}, {0, 8}, {5, 0}, {0, -8}, {-5, 0}}));
    const QPolygon outer = Around(centre, {{-5, 0}, {0, 10}, {7, 0}, {0, -10}, {-7, 0}});
    QPen thin = pen;
    thin.setWidth(1);
    canvas.setPen(thin);
    canvas.drawPolyline(outer);
    ExtendPaintBoundsAround(outer, Margin(pen));
}

void DrawSelectionBrackets(QPainter& canvas, ScreenPoint centre)
{
    canvas.setPen(OverlayPen(UserColour(MarkColour), 1));
    for (const int x : {-1, 1})
        for (const int y : {-1, 1})
            canvas.drawPolyline(Around(centre, {{20 * x, 5 * y}, {20 * x, 15 * y}, {10 * x, 15 * y}}));
    ExtendPaintBounds(centre.x - 22, centre.y - 17, centre.x + 22, centre.y + 17);
}
