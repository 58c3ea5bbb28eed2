#pragma once
// A target's recorded track stored as a user object, from the target dialog's Save and the
// track dialog. Main thread only.

#include <cstdint>

// Stores the track of target `index` of the target table (userdata/ArpaTrackStore.h); once it is
// stored the target keeps only its newest track point. False when nothing was stored: an index
// outside the table, a free record, a track of fewer than five points or a failure (reported).
bool SaveTargetTrack(int32_t index);

// The track dialog's "Save all": the track of every target record stored (those of five points
// or more) and every record freed, whether its track was stored or not.
void SaveAllTargetTracks();
