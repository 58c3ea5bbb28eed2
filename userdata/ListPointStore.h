#pragma once
// A point typed into the point list, stored at once into the route or line it belongs to; the
// first point creates the object. Main thread only.

#include "userdata/UserRecords.h"

#include <cstdint>
#include <optional>

struct StoredListPoint {
    IdRecord object;       // the object the point went into
    bool created = false;  // the object was made for this point
    bool added = false;    // a new point (not one rewritten)
};

// Stores the point (latitude, longitude in stored units) under sequence `sequence` of object
// `id` of the type (ROUTE or LINE) at `time`. With no object (id 0) one is made first at the
// point, as a drawn one is (AddDrawnObject). A point held at that sequence keeps its other
// values and takes the new position; the first point of a new route carries the route defaults
// of the settings. None when the object could not be made or the point not stored (reported).
std::optional<StoredListPoint> StoreListPoint(ObjectType type, int32_t id, uint16_t sequence,
                                              int32_t latitude, int32_t longitude, uint32_t time);
