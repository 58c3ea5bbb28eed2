#pragma once
// The table of tracked vessels: records 0..1999 are targets, record 2000 holds the own ship's
// AIS data. A record is free while its id is -1. Main thread only; the output thread never reads
// the table.
//
// Ids: an ARPA or sonar target number, or the MMSI of an AIS station (0 and up). No sentence
// gives a negative id: -1 marks a free record, and the ids below it belong to simulated targets,
// one per record (SimulatedTargetId), so that no report can ever take one over.

#include "sensors/TargetRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

constexpr int TargetCount = 2000;
constexpr int OwnAisRecord = 2000;
// AIS ids from here on are MMSIs whose static data are kept in the ais5 file.
constexpr int32_t StoredMmsiFrom = 100000000;
constexpr int32_t MmsiLast = 999999999;

// Whether an id is an AIS station's MMSI of nine digits (ARPA, sonar and simulated targets have
// other ids).
constexpr bool IsNineDigitMmsi(int32_t id) { return id >= StoredMmsiFrom && id <= MmsiLast; }

extern std::array<TargetRecord, TargetCount + 1> TargetTable;

// The record the target dialog shows: 0..1999 a target, 2000 the own ship's AIS record, -1 none.
// Set by the pick on the chart, the lost-target keeping and the AIS alarm; the table's updates
// never move it.
extern int32_t ShownTarget;

// Takes the target staged by the caller into the table: for kinds 0, 2 and 6 the staged-target
// fields of OwnShip.sensorRecord with the name in OwnShip.stagedTargetName, for kinds 4 and 5
// the MMSI in sensorRecord.targetId and the AIS block OwnShip.stagedAis. `port` is the input
// port it came from. Returns 0 when nothing changed, 2 when a record was updated or the port
// was taken as an ARPA source, 3 when a target was reported lost.
//
// Runs under ComOutStateLock when a sentence handler calls it; it takes no lock and touches no
// file itself: the ais5 look-ups and writes it needs are queued, and ParseSensorInput runs them
// once the chunk is parsed (RunTargetFileWork). A caller outside the parser runs
// RunTargetFileWork itself afterwards.
int32_t UpdateTargetTable(int port, int kind);

// The records updated or reported lost since the last call, each once, in the order of their
// first update; the 100 ms tick gives each its pixel, its track sample and its dialog refresh.
std::vector<int32_t> TakeUpdatedTargets();

// The first free record of 0..1999, -1 when the table is full.
int32_t FirstFreeTarget();

// Gives record `index` to a new target: its id and kind, no track, green, track mode 1, no
// CPA / TCPA, no pending event, in no guard zone, age 0 and empty AIS blocks. The caller sets
// the rest.
TargetRecord& ClaimTarget(int32_t index, int32_t id, uint8_t kind);

// Frees a record: id -1, and its AIS blocks cleared so that nothing of the old vessel can come
// back with a later message.
void FreeTarget(TargetRecord& target);

// Marks every record free: id -1 and the pending-event word 0.
void MarkAllTargetsFree();

// The whole table back to its start: every record zeroed and free, no target shown, no ARPA
// source, nothing updated and no file work queued.
void ResetTargetTable();

// The id of the simulated target in record `index`, and the number it is shown with ("s%d").
constexpr int32_t SimulatedTargetId(int32_t index) { return -2 - index; }
constexpr int32_t SimulatedTargetNumber(int32_t id) { return -1 - id; }

// The id as the target is shown: "s%d" for a simulated target, else "%d".
std::string TargetIdText(const TargetRecord& target);

// Puts the name into the label: at most 29 characters, always terminated.
void SetTargetLabel(TargetRecord& target, const char* name, size_t length);
