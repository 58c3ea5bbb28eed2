#pragma once
// What own-track recording keeps beside the track ring of the settings record while the program
// runs: the last sample, which the track line continues from, the save request of the track
// dialog and the database track being recorded point by point. Main thread only; none of it is
// stored.

#include "frame/PixelGeometry.h"
#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstdint>

struct LastTrackSample {
    bool known = false;            // no sample taken yet in this run
    cmgbase::GeoPoint position{};  // own reference position at the sample
    float course = 0.0f;           // course over ground at the sample, degrees
};
extern LastTrackSample TrackLastSample;

// Set by the track dialog (finish, delete, save): the next sampling takes a sample whatever the
// ship's move, then consumes the request.
extern bool TrackSaveRequest;

// The database track being recorded (0: none open) and the points stored in it so far, which is
// also the sequence number of its next point.
extern int32_t DatabaseTrackId;
extern int32_t DatabaseTrackPoints;
// The track length of the settings record (0.1 nm) when the database track took its first point:
// the ring's share of the length, which goes on growing while the database track is recorded.
extern float DatabaseTrackLengthBase;

// The recorded track as the static overlay last drew it, oldest sample first: the points the
// chart input and the object-information dialog pick a track sample by.
struct TrackPixel {
    ScreenPoint point;
    float depth;          // metres
    int32_t sampleIndex;  // slot of the track ring
};
struct TrackPixelList {
    std::array<TrackPixel, 500> pixels{};
    int32_t count = 0;
};
extern TrackPixelList TrackPixels;
