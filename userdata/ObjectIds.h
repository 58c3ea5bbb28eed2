#pragma once
// Object ids and the adding of objects. An id is unique over all objects (key 3); a position
// is unique per object type (key 2), so a second object of a type at a taken position goes in
// one unit of longitude (1/600000 degree) further east, and further until it fits.

#include "platform/isam/IsamStatus.h"
#include "userdata/UserRecords.h"

#include <cstdint>

// Where the search for a free id starts; ids are taken from the start value + 1 upwards.
enum class IdRange : int {
    Track = 1,        // 1000
    Route = 2,        // 0
    Line = 3,         // 10000; also zones and fields
    TargetTrack = 4,  // 9000
    Symbol = 5,       // 20000: symbols and marks
    Import = 9,       // 100000, in steps of 1 to 100 at random
};

// The first id of the range that no object holds; 0 when the range runs out of ids.
int32_t NewObjectId(IdRange range);

// Attempts AddIdRecord makes before it gives up.
constexpr int MaxAddAttempts = 1000;

// Adds the record to the id file. On a taken position the longitude is raised by 1 and the add
// repeated; on a taken id (another station took it meanwhile) the record gets a new id of the
// range. The record then holds the position and id it was stored with. After MaxAddAttempts
// the add gives up with KeyExists; that and every other failure is reported (DatabaseReports.h).
platform::isam::Status AddIdRecord(IdRecord& record, IdRange range);

// Rewrites the object last read from the id file (its current record) as `record`. On a
// position that another object of the type holds, the longitude is raised by 1 and the rewrite
// repeated, as an add does; the record then holds the position it was stored with. After
// MaxAddAttempts it gives up with KeyExists; that and every other failure is reported.
platform::isam::Status RewriteIdRecord(IdRecord& record);

// Adds the record as a new object of the range: it gets a fresh id and goes in through
// AddIdRecord, so it then holds the id and position it was stored with. A range without a free
// id is reported as a failed add.
platform::isam::Status AddNewObject(IdRecord& record, IdRange range);
