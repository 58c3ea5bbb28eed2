#pragma once
// Where own-track sampling hands its samples to the user-object database: the points of a
// database track and the saving of the ring as a TRACK object. Both hooks are empty until the
// stored tracks are built; an empty hook stores nothing.

#include "frame/TrackSample.h"

#include <cstdint>
#include <functional>

struct TrackHooks {
    // Stores `sample` as point `sequence` of the open database track `trackId`.
    std::function<void(int32_t trackId, int32_t sequence, const TrackSample& sample)>
        storeTrackPoint;
    // Stores the ring of the settings record as a TRACK object and empties the ring.
    std::function<void()> saveTrackBuffer;
};

extern TrackHooks TrackHook;
