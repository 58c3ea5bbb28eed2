#pragma once
// The wheel-over point the route painter leaves for route following: where the turn onto the
// next leg is to begin, and whether the abeam test of that point counts (a small course change,
// or no wheel-over distance). Written by the main thread under ComOutStateLock as one pair.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>

extern uint8_t WheelOverFlag;
extern cmgbase::GeoPoint WheelOverPoint;

// Sets the flag and, with it set, the point; a cleared flag keeps the last point.
void LeaveWheelOverPoint(bool flag, const cmgbase::GeoPoint& point);

// The point of the last great-circle leg drawn that lies nearest to the own ship (main thread).
extern cmgbase::GeoPoint NearestGreatCirclePoint;
