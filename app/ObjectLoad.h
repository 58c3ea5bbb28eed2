#pragma once
// LoadObject: one stored object's points read, and the object drawn on the static overlay,
// picked under the pointer, or (code 502) its route loaded into the route table.

#include "userdata/UserRecords.h"

#include <cstdint>

class TForm1;

// The pick of the last load: the smallest pixel distance (the larger of the x and y differences)
// from the pick pixel to one of the object's points, 1024 before any, the object and the
// ordinal of that point.
struct ObjectPickState {
    int32_t distance = 1024;
    int32_t id = 0;
    int32_t ordinal = -1;
};
extern ObjectPickState ObjectPick;

// What a load found, for the sweep that asked for it.
struct LoadedObject {
    int32_t pointsRead = -1;  // -1: the points were not read
    bool complete = false;    // every point was read
    double length = 0.0;      // nautical miles, summed only for an object without a stored one
    bool hit = false;         // a pick found a point within PickReach
    bool deleted = false;     // a delete pick removed the object
};

// The object `object` under the operation `code` (ObjectCodes.h); the pick pixel is the pointer's
// (CursorPixel). `act` false finds the pick without acting on it (no selection, no deletion).
LoadedObject LoadStoredObject(TForm1& form, int32_t code, const IdRecord& object, bool act = true);

// The same for the stored object `id` of the code's type; nothing when there is none or no data
// set is open.
void LoadObject(TForm1& form, int32_t code, int32_t id);
