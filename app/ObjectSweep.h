#pragma once
// SweepObjects: the stored objects of one type walked in key order, drawn on the static overlay
// or picked under the pointer, stale point counts and lengths repaired on the way.

#include "userdata/UserRecords.h"

#include <cstdint>
#include <optional>

class TForm1;

// Whether the last sweep found an object under the pointer, the nearest one within reach, and
// the ordinal of its point nearest to the pointer (-1 for a symbol, zone or field).
extern bool ObjectFound;
extern IdRecord FoundObjectRecord;
extern int32_t FoundObjectPoint;

// Walks the objects of the code's type (ObjectCodes.h) and returns ObjectFound; nothing while
// no data set is open. Tracks are
// swept only while TrackBtn is down, lines, symbols, zones and fields while SymbolBtn is down,
// routes always, type 4 and others never. Tracks and symbols outside the visible chart are
// passed over below chart level 17. The display filters decide what is drawn (DisplayFilter.h):
// tracks as the code asks, lines always, and with them the selected line and every guard zone
// (colour 7). A delete pick deletes one object and ends the walk. After drawing a track, route
// or line read to its end whose stored point count or length is stale, the record is repaired,
// or, read with fewer than two points, deleted; objects of colour 0 are deleted and the count
// shown in the box "%d invicible objects removed". A drawing sweep of the type the object
// dialog's list is being filled with hands each object it reaches to that list.
bool SweepObjects(TForm1& form, int32_t code);

// The object of the type (track, route or line) under the pointer, found as a select pick finds
// it but without selecting it; none when nothing lies within reach.
std::optional<IdRecord> HoverObject(TForm1& form, ObjectType type);
