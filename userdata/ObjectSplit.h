#pragma once
// Cutting a stored track or line in two at one of its points. Main thread only.

#include <cstdint>
#include <optional>

// Cuts object `id` at its point of sequence pickedIndex + 1 (pickedIndex counts from 0, as the
// chart pick gives it): the object ends at that point, and a new object (a new id; ids are
// unique over all objects, so the track range serves lines too) with the old record's other
// fields starts there and keeps the old end. The points after the cut then move to the new
// object, numbered from 1. The new object is stored first (a taken position moves it east unit
// by unit): only once it is stored is the old one ended and are the points moved, so a failure
// leaves the object as it was and never a point without its object. None, and nothing changed,
// when the object or the point is missing or the new object cannot be stored; else the new id.
// Failures are reported (DatabaseReports.h).
std::optional<int32_t> SplitObjectAtPoint(int32_t id, int32_t pickedIndex);
