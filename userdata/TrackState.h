#pragma once
// What own-track recording keeps beside the track ring of the settings record while the program
// runs: the last sample, which the track line continues from, the save request of the track
// dialog and the database track being recorded point by point. Main thread only; none of it is
// stored.

#include "platform/geodesy/GeoTypes.h"

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
