#pragma once
// The own ship as own-track recording takes it: position and the values a track point keeps.

#include "platform/geodesy/GeoTypes.h"

// Negative values mean none yet and are stored as 0.
struct TrackFix {
    double longitude = 0.0;        // own position, degrees
    double latitude = 0.0;         // degrees; 0.0 would read as an empty sample
    cmgbase::GeoPoint position{};  // own reference position
    float courseOverGround = 0.0f;  // degrees
    float speedOverGround = 0.0f;   // knots
    float depth = 0.0f;             // metres
    float waterTemperature = 0.0f;  // degrees Celsius
};
