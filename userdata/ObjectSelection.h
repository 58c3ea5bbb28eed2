#pragma once
// What the object database dialog's pick shares with the object sweeps: the kind of object its
// list is being filled with, and the saved tracks picked for display. Main thread only.

#include <array>
#include <cstdint>

// 0 idle; 1 tracks, 2 routes, 3 lines while the next sweep of that type fills the dialog's list;
// 100 + the type once it is filled.
extern int32_t ObjectSelectionMode;
constexpr int32_t ObjectListFilled = 100;

// The saved tracks picked for display, shown whatever the track filter says: object ids in the
// slots before the first free one (0).
extern std::array<int32_t, 100> ShownTrackList;

// Puts the id into the first free slot among the first 99, or over the last slot when none is
// free. An id the list holds already, and id 0, change nothing.
void AddSelectedTrack(int32_t id);
// Whether the id stands in one of the slots before the first free one.
bool IsSelectedTrack(int32_t id);
// Every slot free (at start and when the track dialog hides the saved tracks).
void ClearShownTrackList();
