#include "chart/RouteLegShape.h"

#include "chart/OverlayPrimitives.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Radian = std::numbers::pi / 180.0;

QPointF Midpoint(const QPointF& a, const QPointF& b)
{
    return (a + b) / 2.0;
}

QPainterPath CurvePath(const TurnPixels& turn, const QPointF& aside)
{
    const QPointF towardsEnd = Midpoint(turn.waypoint, turn.turnEnd);
    const QPointF towardsStart = Midpoint(turn.waypoint, turn.turnStart);
    QPainterPath path(turn.turnStart);
    path.cubicTo(towardsStart + aside, towardsEnd + aside, turn.turnEnd);
    return path;
}

// The arc from the turn start to the turn end, clockwise on the screen for a turn to starboard.
QPainterPath ArcPath(const TurnPixels& turn, bool starboard)
{
    const QPointF fromCentre = turn.turnStart - turn.centre;
    const QPointF toCentre = turn.turnEnd - turn.centre;
    const double from = std::atan2(fromCentre.y(), fromCentre.x());
    double sweep = std::atan2(toCentre.y(), toCentre.x()) - from;
    const double turnRound = 2 * std::numbers::pi;
    if (starboard)
        sweep = sweep < 0 ? sweep + turnRound : sweep;
    else
        sweep = sweep > 0 ? sweep - turnRound : sweep;
    // Screen angles grow clockwise; the painter's arc angles grow counter-clockwise, in degrees.
    const QRectF circle(turn.centre.x() - turn.radius, turn.centre.y() - turn.radius, 2 * turn.radius,
                        2 * turn.radius);
    QPainterPath path(turn.turnStart);
    path.arcTo(circle, -from / Radian, -sweep / Radian);
    return path;
}

}  // namespace

double TurnAngle(double previousBearing, double bearing)
{
    const double angle = std::fmod(previousBearing - bearing, 360.0);
    return angle < 0 ? angle + 360.0 : angle;
}

double CourseChange(double previousBearing, double bearing)
{
    const double angle = TurnAngle(previousBearing, bearing);
    return angle > 180.0 ? 360.0 - angle : angle;
}

QPainterPath TurnPath(const TurnPixels& turn, double previousBearing, double bearing, const QPointF& aside)
{
    if (CourseChange(previousBearing, bearing) < ArcTurnDegrees)
        return CurvePath(turn, aside);
    return ArcPath(turn, TurnAngle(previousBearing, bearing) > 180.0);
}

void DrawTurn(QPainter& canvas, const TurnPixels& turn, double previousBearing, double bearing)
{
    if (CourseChange(previousBearing, bearing) < ArcTurnDegrees) {
        for (const QPointF aside : {QPointF(0, 0), QPointF(1, 0), QPointF(0, 1)})
            canvas.drawPath(TurnPath(turn, previousBearing, bearing, aside));
    } else {
        canvas.drawPath(TurnPath(turn, previousBearing, bearing));
    }
    DrawHandleSquare(canvas, int32_t(std::lround(turn.turnStart.x())), int32_t(std::lround(turn.turnStart.y())));
    DrawHandleSquare(canvas, int32_t(std::lround(turn.turnEnd.x())), int32_t(std::lround(turn.turnEnd.y())));
}

bool WheelOverAcrossPreviousLeg(double courseChange, int32_t wheelOverSetting)
{
    return wheelOverSetting < 0 || courseChange <= SmallCourseChangeDegrees;
}

double WheelOverHalfLength(double laneHalfWidth, double courseChange, double legLength)
{
    const double sine = std::max(std::fabs(std::sin(courseChange * Radian)), std::sin(SmallCourseChangeDegrees * Radian));
    const double half = std::max(1.5 * laneHalfWidth / sine, 0.1);
    return legLength > 0 ? std::min(half, legLength) : half;
}
