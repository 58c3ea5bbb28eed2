#pragma once
// The points of one stored object, read as the object store draws, picks and loads them: a
// batch read of key 5 over the object id, 500 records a part.

#include "userdata/UserRecords.h"

#include <cstdint>
#include <vector>

// Bytes of one part of the batch: 500 entries of a 4-byte record position and the record.
constexpr size_t PointBatchBytes = 21000;
constexpr size_t PointBatchEntry = 4 + sizeof(PointRecord);
static_assert(PointBatchBytes / PointBatchEntry == 500);

// Replaces `points` with the object's points in key order (sequence numbers compare signed).
// True when every point was read, also when there is none; false after a read failure, which
// is reported (DatabaseReports.h), with the points read before it left in `points`.
bool ReadObjectPoints(int32_t id, std::vector<PointRecord>& points);
