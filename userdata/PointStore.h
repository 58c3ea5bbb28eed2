#pragma once
// Writing the points of an object, and taking back an object whose writing failed part-way so
// that no point is left without its object. Main thread only.

#include "userdata/UserRecords.h"

#include <cstdint>

enum class PointStore {
    Added,      // a new point
    Rewritten,  // key 5 (object id, sequence) held a point already: it now holds this one
    Failed,     // neither: reported (DatabaseReports.h)
};

// Stores the point under key 5: rewrites the point held there, else adds it.
PointStore AddObjectPoint(const PointRecord& point);

// Deletes the points (id, first) .. (id, first + count - 1) and then the object's IdRecord, each
// failure reported: what a writer does when its object could not be stored whole.
void RemoveUnfinishedObject(int32_t id, uint16_t first, int32_t count);
