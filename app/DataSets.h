#pragma once
// The six data sets A..F of the user's objects, each a folder with its own object files.

// Closes the user database and opens it again on data set `set` (1..6 for A..F); false after
// a fatal numbered message.
bool SelectUserDatabase(int set);
// The same for a data set that is only drawn: a failure shows nothing and ends nothing; false,
// and no set is open then.
bool SelectDrawnDatabase(int set);

// The data set SelectUserDatabase opened last (1..6); 0 while none is open, also after a failed
// open.
int OpenDataSet();

// The data set of the highest set bit of `shown` (bits 0..5 for A..F), 1 when none is set.
int DataSetInUse(int shown);
