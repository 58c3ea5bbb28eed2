#include "app/RouteLegDrawing.h"

#include "app/TForm1.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayPrimitives.h"
#include "chart/RouteLegShape.h"
#include "frame/PaintBounds.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/PositionComputation.h"
#include "userdata/RouteTable.h"
#include "userdata/WheelOverPoint.h"

#include <QFrame>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {

constexpr int32_t RouteColour = 2;
constexpr int32_t LaneColour = 3;
constexpr double Radian = std::numbers::pi / 180.0;

std::optional<QPointF> Pixel(const TForm1& form, const cmgbase::GeoPoint& position)
{
    ScreenPoint point{};
    if (!MainMapView || !MainMapView->GeoToScreen(form.chartRect, position, point))
        return std::nullopt;
    return QPointF(point.x, point.y);
}

// The screen direction (unit vector) of a bearing on the chart as it is turned.
QPointF Heading(double bearing)
{
    const double rotation = MainMapView ? MainMapView->rotation : 0.0;
    const double angle = (bearing - rotation) * Radian;
    return {std::sin(angle), -std::cos(angle)};
}

double Hundredths(uint16_t own, int16_t fallback)
{
    return (own ? double(own) : std::max(double(fallback), 0.0)) * 0.01;
}

cmgbase::GeoPoint Along(const cmgbase::GeoPoint& from, double bearing, double distance)
{
    cmgbase::GeoPoint end = from;
    cmgbase::DirPosComputation(from, &end, bearing * Radian, distance, 0);
    return end;
}

bool RouteFollowed()
{
    return RouteEditMode == RouteShown && CurrentWaypoint > 0 && CurrentWaypoint < RouteEntryCount();
}

// The wheel-over mark of the turn ahead, and its point left for route following.
void DrawWheelOver(TForm1& form, QPainter& canvas, int32_t leg, double halfWidth, double pixelsPerMile)
{
    const int32_t count = RouteEntryCount();
    const bool lastCurrent = leg == count - 2 && CurrentWaypoint == count - 1;
    if (!RouteFollowed() || (leg != CurrentWaypoint && !lastCurrent) || leg < 1)
        return;
    const WP_typ& entry = RouteTable[size_t(leg)];
    const WP_typ& previous = RouteTable[size_t(leg - 1)];
    const double distance = std::max<int32_t>(SetupParameters.WheelOverDistance, 0) * 0.01;
    const double across = 1.5 * halfWidth * pixelsPerMile;
    cmgbase::GeoPoint point;
    QPointF direction;  // along the mark
    double half = across;
    if (lastCurrent) {
        point = Along(RouteTable[size_t(leg + 1)].position, entry.legBearing + 180.0, distance);
        LeaveWheelOverPoint(true, point);
        direction = Heading(entry.legBearing + 90.0);
    } else {
        point = Along(entry.turnStart, previous.legBearing + 180.0, distance);
        const double change = CourseChange(previous.legBearing, entry.legBearing);
        const bool acrossPrevious = WheelOverAcrossPreviousLeg(change, SetupParameters.WheelOverDistance);
        LeaveWheelOverPoint(acrossPrevious, point);
        if (acrossPrevious) {
            direction = Heading(previous.legBearing + 90.0);
        } else {
            direction = Heading(entry.legBearing);
            half = WheelOverHalfLength(halfWidth, change, entry.legDistance) * pixelsPerMile;
        }
    }
    const std::optional<QPointF> centre = Pixel(form, point);
    if (!centre || !form.WpPanel || !form.WpPanel->isVisible() || !SetupParameters.WheelOverShown)
        return;
    canvas.drawLine(*centre - half * direction, *centre + half * direction);
}

void DrawLane(QPainter& canvas, const QPointF& from, const QPointF& to, const QPointF& normal)
{
    canvas.setPen(OverlayPen(UserColour(LaneColour), 1, Qt::DotLine));
    canvas.drawLine(from + normal, to + normal);
    canvas.drawLine(from - normal, to - normal);
}

}  // namespace

void DrawRouteLeg(TForm1& form, QPainter& canvas, int32_t leg, bool lanes, bool)
{
    if (leg < 0 || leg + 1 >= RouteTableEntries)
        return;
    const WP_typ& entry = RouteTable[size_t(leg)];
    const WP_typ& next = RouteTable[size_t(leg + 1)];
    const ScreenPoint here = entry.screenPoint;
    const ScreenPoint there = next.screenPoint;
    if ((there.x == 0 && there.y == 0) || (there.x == here.x && there.y == here.y))
        return;
    const std::optional<QPointF> legStart = Pixel(form, entry.turnEnd);
    const std::optional<QPointF> legEnd = Pixel(form, next.turnStart);
    if (!legStart || !legEnd || *legStart == *legEnd)
        return;
    const int32_t width = SetupParameters.ThickRoute ? 2 : 1;
    const QPen routePen = OverlayPen(UserColour(RouteColour), width);
    canvas.setPen(routePen);
    canvas.setBrush(Qt::NoBrush);

    // Pixels per nautical mile from the leg itself: the lane, the turn radius and the marks are
    // given in miles.
    const double screenLength = std::hypot(double(there.x) - here.x, double(there.y) - here.y);
    const double pixelsPerMile = entry.legDistance > 0 ? screenLength / entry.legDistance : 0.0;
    const double halfWidth = Hundredths(entry.lane, SetupParameters.DefaultLane);

    if (leg > 0 && !entry.turnMisfit) {
        const WP_typ& previous = RouteTable[size_t(leg - 1)];
        const std::optional<QPointF> waypoint = Pixel(form, entry.position);
        const std::optional<QPointF> turnStart = Pixel(form, entry.turnStart);
        const std::optional<QPointF> centre = Pixel(form, entry.turnCentre);
        if (waypoint && turnStart && centre) {
            const TurnPixels turn{*waypoint, *turnStart, *legStart, *centre,
                                  Hundredths(entry.turnRadius, SetupParameters.DefaultTurnRadius) * pixelsPerMile};
            DrawTurn(canvas, turn, previous.legBearing, entry.legBearing);
        }
    }

    DrawLineSegment(form, canvas, UserColourTable[RouteColour], int32_t(std::lround(legStart->x())),
                    int32_t(std::lround(legStart->y())), int32_t(std::lround(legEnd->x())),
                    int32_t(std::lround(legEnd->y())), 2);
    const QPointF middle = (*legStart + *legEnd) / 2.0;
    const QPointF heading = Heading(entry.legBearing);
    DrawArrowHead(canvas, std::atan2(heading.y(), heading.x()), int32_t(std::lround(middle.x())),
                  int32_t(std::lround(middle.y())));

    canvas.setPen(routePen);
    DrawWheelOver(form, canvas, leg, halfWidth, pixelsPerMile);

    const bool laneShown = lanes && SetupParameters.ShowLane;
    const double lanePixels = halfWidth * pixelsPerMile;
    if (laneShown) {
        const QPointF normal = Heading(entry.legBearing + 90.0) * lanePixels;
        DrawLane(canvas, *legStart, *legEnd, normal);
    }
    const int32_t margin = laneShown ? 20 + int32_t(std::ceil(lanePixels)) : 1;
    ExtendPaintBounds(std::min(here.x, there.x) - margin, std::min(here.y, there.y) - margin,
                      std::max(here.x, there.x) + margin, std::max(here.y, there.y) + margin);
}
