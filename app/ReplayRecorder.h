#pragma once
// The replay recorder: once a minute of the clock, the own ship and, when their count allows,
// the targets go into the day's replay file (userdata/ReplayFile.h). Main thread only.

#include <string>

// The minute's records as they are appended: the own ship, then each occupied target when their
// count is below the seconds since the last dump (so fewer than 60 are recorded every minute,
// 60 to 119 every second minute, ...). Empty when the minute was recorded already or the antenna
// position is not known.
std::string ReplayFrame();

// Appends the minute's records to the day's file, in one durable write. Called by the
// one-second tick outside replay mode while the position is known.
void RecordReplayFrame();

// The recorder back to its start (start-up and tests): no minute recorded, no targets dumped.
void ResetReplayRecorder();
