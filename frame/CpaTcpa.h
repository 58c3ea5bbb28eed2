#pragma once
// The closest point of approach of two vessels on straight courses at steady speeds.

#include "platform/geodesy/GeoTypes.h"

// Courses in degrees, speeds in knots. `time` is the minutes until the two vessels are
// closest (negative when that lies in the past, 0 when they do not move relative to each
// other); `distance` is their distance then, in nautical miles.
//
// The second vessel's place relative to the first comes from the geodesic between them; from
// there both move on in that flat north-east frame, in which the time found is exactly the
// time of the closest point. The frame leaves out how the meridians converge: over the few
// miles that matter for collision warnings that is a few metres.
void ComputeCpaTcpa(const cmgbase::GeoPoint& firstPosition, float firstCourse, float firstSpeed,
                    const cmgbase::GeoPoint& secondPosition, float secondCourse,
                    float secondSpeed, float& time, float& distance);
