#pragma once
// Reading and emptying the track ring of the settings record (frame/TrackSample.h).

#include <vector>

// The slot the next sample takes, 0..499; a damaged stored index starts the ring again at 0.
int RingIndex();

// Samples of the ring that are not empty.
int RingSampleCount();

// The slots holding a sample, oldest first: from the ring index to the end, then from 0.
std::vector<int> RingSlotsOldestFirst();

// Every sample empty and the index 0.
void EmptyRing();
