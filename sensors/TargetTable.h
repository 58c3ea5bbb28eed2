#pragma once
// The table of tracked vessels: records 0..1999 are targets, record 2000 holds the own ship's
// AIS data. A record is free while its id is -1.

#include "sensors/TargetRecord.h"

#include <array>

constexpr int TargetCount = 2000;

extern std::array<TargetRecord, TargetCount + 1> TargetTable;

// Marks every record free: id -1 and the pending-event word 0.
void MarkAllTargetsFree();
