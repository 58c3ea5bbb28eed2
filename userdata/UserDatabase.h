#pragma once
// The user-object database: the ISAM library holding the five file sets (UserFileSets.h), the
// shared record buffers, and opening, closing and clearing. Main thread only.

#include "platform/isam/IsamLibrary.h"
#include "userdata/UserFileSets.h"
#include "userdata/UserRecords.h"

// The library of the user files; the record operations of the object, route, track, seabed and
// AIS code go through it with the numbers of UserFileSets.h.
extern platform::isam::IsamLibrary UserIsam;

// Shared record buffers.
extern IdRecord IdBuffer;       // the object being written
extern IdRecord IdShownBuffer;  // the object being shown or edited
extern PointRecord PointBuffer;
extern InfoRecord InfoBuffer;
extern SeabedRecord SeabedBuffer;
extern AisStaticRecord AisBuffer;

// Closes whatever is open, starts the library and opens the five file sets at the location, in
// the order id, point, info, seabed, ais5. A set that does not open has its index rebuilt from
// its data file and is opened again; a set without a data file is created empty. A data file
// that exists but cannot be opened or rebuilt (held by another station, unreadable, foreign) is
// never replaced: that is a stop message "<set> ReOpen" with the status, as is a failed reopen.
// A failed create is "<set> Create", a failed start "cTree", the id file open in another mode
// than asked for "cTree" 301. Returns true when all five are open; after a stop message false,
// and the sets after the failing one stay closed. After the shut-down (IoShutDown) it opens
// nothing and returns false.
bool OpenUserDatabase(const UserDatabaseLocation& location);
// The same, but a failure shows no message and ends nothing (a data set that is only drawn):
// false, with the sets closed.
bool OpenUserDatabaseQuietly(const UserDatabaseLocation& location);
// The same with the location and modes of the last open.
bool OpenUserDatabase();

// Stops the library, closing every file set (before a data set is reopened, at shut-down).
void CloseUserDatabase();

// Empties the object files (point, info, id) by deleting and creating them anew; seabed and ais5
// stay. Points and texts go first and the objects last, and the first failure stops the work
// (the set concerned is opened again as it was), so a failure part-way may leave objects without
// their points or texts but never old points or texts under the ids of new objects. Every
// failure is reported (DatabaseReports.h); returns Ok when all three are empty and open.
platform::isam::Status ClearObjectFiles();
