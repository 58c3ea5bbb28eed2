#pragma once
// The table of tracked vessels: records 0..1999 are targets, record 2000 holds the own ship's
// AIS data. A record is free while its id is -1.

#include "sensors/TargetRecord.h"

#include <array>
#include <cstdint>

constexpr int TargetCount = 2000;
constexpr int OwnAisRecord = 2000;

extern std::array<TargetRecord, TargetCount + 1> TargetTable;

// Takes the staged target of OwnShip.sensorRecord into the table: `port` is the input port it
// came from, `kind` the target kind (0 ARPA, 2 sonar, 3 simulated, 4 AIS position, 5 AIS static).
// Returns 0 when nothing was taken, else 2 or 3 (a target changed). Under ComOutStateLock.
int32_t UpdateTargetTable(int port, int kind);

// Marks every record free: id -1 and the pending-event word 0.
void MarkAllTargetsFree();
