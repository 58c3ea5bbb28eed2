#pragma once
// The watched chart object classes of the look-ahead check: one state per class code 0..179,
// kept for the whole run. A watched class is reported once when the vessel's look-ahead area
// enters it, and again only after it has left the area. Main thread only.

#include <array>
#include <cstdint>

inline constexpr int32_t AreaWatchClasses = 180;

enum AreaWatchState : uint8_t {
    NotWatched = 0,        // its objects count as dangers
    WatchIdle = 1,         // watched, not inside
    InsideUnreported = 2,  // inside, to be reported when no other class is this time
    FoundInside = 3,       // found inside by the check running now
    ReportedInside = 4,    // reported, still inside
    ReportedFoundAgain = 5,  // reported and found again by the check running now
};

extern std::array<uint8_t, AreaWatchClasses> AreaWatchTable;

// Every state as at the start: WatchIdle for the watched classes, NotWatched for the others.
void ResetAreaWatchTable();

// The state of a class code; NotWatched for a code outside the table.
uint8_t AreaWatchStateOf(int32_t classCode);
