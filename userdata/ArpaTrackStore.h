#pragma once
// A target's recorded track stored as a TRACK object. Main thread only.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <string>
#include <vector>

struct ArpaTrackPoint {
    cmgbase::GeoPoint position{};
    uint32_t time = 0;   // seconds since 1970
    uint16_t speed = 0;  // speed over ground, 0.1 kn
    uint16_t course = 0; // course over ground, 0.1 degree
};

// What the target table holds of a target for its track.
struct ArpaTrack {
    int32_t targetId = -1;  // -1: a free record
    uint8_t colour = 0;     // index into the user colours
    std::string label;
    std::vector<ArpaTrackPoint> points;  // oldest first
};

// Shorter tracks are not stored.
constexpr int MinArpaTrackPoints = 5;

// Stores the track of a target (id 0 or more) holding at least MinArpaTrackPoints points: a
// TRACK object of id range 4 in the target's colour, named by its label ("ARPA" without one,
// at most 29 characters), starting at the newest point and ending at the oldest, goes in first;
// then the points, oldest first with sequences from 1, each with its time, speed and course.
// Returns the object's id; 0 when nothing was stored (too short, or a failure, which is
// reported and leaves nothing of the object behind).
int32_t SaveArpaTrack(const ArpaTrack& track);
