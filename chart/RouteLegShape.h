#pragma once
// The shapes of a route leg on a chart canvas, in screen pixels: the turn at the waypoint the
// leg leaves from (a curve for small course changes, an arc of the turn radius for large ones)
// and the rules for the wheel-over mark. Each draws in the pen in force.

#include <QPainterPath>
#include <QPointF>

#include <cstdint>

class QPainter;

// From this course change (degrees) on a turn is drawn as an arc, below it as a curve.
inline constexpr double ArcTurnDegrees = 110.0;
// A wheel-over mark runs across the previous leg up to this course change (degrees).
inline constexpr double SmallCourseChangeDegrees = 15.0;

// Previous bearing minus this bearing (degrees), within 0 to below 360: at most 180 is a turn
// to port, above it a turn to starboard.
double TurnAngle(double previousBearing, double bearing);
// The course change between the two bearings, folded to 0..180 degrees.
double CourseChange(double previousBearing, double bearing);

// A turn around a waypoint as the screen shows it.
struct TurnPixels {
    QPointF waypoint;
    QPointF turnStart;  // on the incoming leg
    QPointF turnEnd;    // on the outgoing leg
    QPointF centre;
    double radius = 0;  // pixels
};

// The path of the turn from the previous bearing to this one (degrees), from the turn start to
// the turn end: below ArcTurnDegrees of course change a cubic curve pulled towards the waypoint
// (its middle points moved by `aside`), from ArcTurnDegrees on the arc of the radius around the
// centre, swept to the side of the turn.
QPainterPath TurnPath(const TurnPixels& turn, double previousBearing, double bearing, const QPointF& aside = {});

// The turn from the previous bearing to this one (degrees): below ArcTurnDegrees of course
// change a cubic curve from the turn end to the turn start, pulled towards the waypoint and
// thickened by two passes a pixel aside; from ArcTurnDegrees on the arc around the centre
// between turn start and turn end, swept to the side of the turn. Both ends get a handle square.
void DrawTurn(QPainter& canvas, const TurnPixels& turn, double previousBearing, double bearing);

// Whether the wheel-over mark lies across the previous leg (and its point is left for route
// following): a course change of at most SmallCourseChangeDegrees, or no wheel-over distance
// (a negative setting).
bool WheelOverAcrossPreviousLeg(double courseChange, int32_t wheelOverSetting);

// Half the length (nm) of a wheel-over mark along the leg: 1.5 lane half-widths over the sine
// of the course change, at least 0.1 nm. The sine is held at sin 15 degrees or more, so that a
// turn of nearly 180 degrees gives a mark of bounded length, and the mark never exceeds the leg.
double WheelOverHalfLength(double laneHalfWidth, double courseChange, double legLength);
