#pragma once
// A leg of the route table sailed as a great circle, drawn as the polyline through points of the
// geodesic. Main thread only.

#include <cstdint>
#include <optional>

class QPainter;
class TForm1;

// The spacing (nm) of the points a great-circle leg of `distance` nm is drawn through: the leg
// in equal steps of at most 300 nm. None for a leg of (nearly) no length, which has no step.
std::optional<double> GreatCircleStep(double distance);

// Leg `leg` as a great circle, `width` pixels wide, in the route colour; the point nearest to the
// own ship is kept in NearestGreatCirclePoint. False when it was not drawn (ends (nearly)
// coincident, or fewer than three points): the caller draws a rhumb line instead.
bool DrawGreatCircleLeg(TForm1& form, QPainter& canvas, int32_t leg, int32_t width);
