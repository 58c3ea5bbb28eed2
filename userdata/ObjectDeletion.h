#pragma once
// Deleting a stored object with everything it holds.

#include "userdata/UserRecords.h"

#include <cstdint>

// Deletes the object's id record (found by type and id), then every point and every text of
// the id, whatever their sequence numbers or kinds. A read or delete that fails is reported
// (DatabaseReports.h) and stops the deletion; when the id record could not be deleted nothing
// else is touched. True when the object is gone with its points and texts; false also when
// there was no such object.
bool DeleteObject(ObjectType type, int32_t id);
