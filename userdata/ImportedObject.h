#pragma once
// Storing an object that a restore or a list brings in, and the texts and points that follow
// it. Main thread only.

#include "userdata/UserRecords.h"

#include <cstdint>
#include <string_view>

// The id of the object the last StoreImportedObject stored (for a following "$PVRKI" text).
extern int32_t LastImportedId;

// Stores `record` as a new object unless an object of its type holds its first reference
// position (key 2). While the file panel's "Delete selected data" is down, that object is deleted
// instead and nothing is stored. A stored record gets an id of the import range, which it then
// holds, as does LastImportedId. True when it was stored.
bool StoreImportedObject(IdRecord& record);

// Appends `text` to the own text (kind 0) of object `id`, or makes it its text; the whole is cut
// at InfoTextMaximum bytes. False when it could not be stored.
bool AppendObjectText(int32_t id, std::string_view text);
