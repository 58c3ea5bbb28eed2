#include "app/RouteLegDrawing.h"

#include "app/RouteLegLane.h"
#include "app/TForm1.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayPrimitives.h"
#include "chart/RouteLegShape.h"
#include "frame/PaintBounds.h"
#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/PositionComputation.h"
#include "userdata/RouteTable.h"
#include "userdata/WheelOverPoint.h"

#include <QFrame>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>
#include <optional>

namespace {

constexpr int32_t RouteColour = 2;
constexpr double Radian = std::numbers::pi / 180.0;

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
    const std::optional<QPointF> centre = ChartPixel(form, point);
    if (!centre || !form.WpPanel || !form.WpPanel->isVisible() || !SetupParameters.WheelOverShown)
        return;
    canvas.drawLine(*centre - half * direction, *centre + half * direction);
}

}  // namespace

void DrawRouteLeg(TForm1& form, QPainter& canvas, int32_t leg, bool lanes, bool check)
{
    const PlacedLegs placed = PlaceLegs(form, leg);
    if (!placed.leg)
        return;
    const LegPixels& pixels = *placed.leg;
    const WP_typ& entry = RouteTable[size_t(leg)];
    const ScreenPoint here = entry.screenPoint;
    const ScreenPoint there = RouteTable[size_t(leg + 1)].screenPoint;
    if (RouteEditMode == RouteDrawing && leg + 1 == RouteEntryCount()) {
        // The leg after the cursor, not placed yet, runs on: no turn at the cursor.
        const std::lock_guard lock(ComOutStateLock);
        RouteTable[size_t(leg + 1)].legBearing = entry.legBearing;
    }
    const int32_t width = SetupParameters.ThickRoute ? 2 : 1;
    const QPen routePen = OverlayPen(UserColour(RouteColour), width);
    canvas.setPen(routePen);
    canvas.setBrush(Qt::NoBrush);
    const double pixelsPerMile = pixels.pixelsPerMile;
    const double halfWidth = LaneHalfWidth(entry);

    if (leg > 0 && !entry.turnMisfit && TurnShown(entry)) {
        const WP_typ& previous = RouteTable[size_t(leg - 1)];
        const std::optional<QPointF> waypoint = ChartPixel(form, entry.position);
        const std::optional<QPointF> turnStart =
            placed.previous ? placed.previous->to : ChartPixel(form, entry.turnStart);
        const std::optional<QPointF> centre = ChartPixel(form, entry.turnCentre);
        if (waypoint && turnStart && centre) {
            const TurnPixels turn{*waypoint, *turnStart, pixels.from, *centre,
                                  Hundredths(entry.turnRadius, SetupParameters.DefaultTurnRadius) * pixelsPerMile};
            DrawTurn(canvas, turn, previous.legBearing, entry.legBearing);
        }
    }

    DrawLineSegment(form, canvas, UserColourTable[RouteColour], int32_t(std::lround(pixels.from.x())),
                    int32_t(std::lround(pixels.from.y())), int32_t(std::lround(pixels.to.x())),
                    int32_t(std::lround(pixels.to.y())), 2);
    const QPointF middle = (pixels.from + pixels.to) / 2.0;
    const QPointF heading = Heading(entry.legBearing);
    DrawArrowHead(canvas, std::atan2(heading.y(), heading.x()), int32_t(std::lround(middle.x())),
                  int32_t(std::lround(middle.y())));

    canvas.setPen(routePen);
    DrawWheelOver(form, canvas, leg, halfWidth, pixelsPerMile);

    const bool laneShown = lanes && SetupParameters.ShowLane;
    DrawLegLane(form, canvas, leg, placed, laneShown, check);
    const int32_t margin = laneShown ? 20 + int32_t(std::ceil(halfWidth * pixelsPerMile)) : 1;
    ExtendPaintBounds(std::min(here.x, there.x) - margin, std::min(here.y, there.y) - margin,
                      std::max(here.x, there.x) + margin, std::max(here.y, there.y) + margin);
}
