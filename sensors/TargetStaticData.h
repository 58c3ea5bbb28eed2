#pragma once
// The AIS static data of the targets: merging the static messages into a record, and the ais5
// file work the target table queues while a chunk is parsed (under ComOutStateLock, where no
// file may be touched) and runs once the chunk is done.
//
// A record's static block is the merge of the stored data (read when the record is allocated)
// and of the static messages received since; a message brings only its own fields, so a half of
// message 24 never clears the other half. The stored record is written the same way: each
// static message replaces its own fields of the stored record, the rest stays as stored.

#include "sensors/TargetRecord.h"

#include <cstdint>

// Copies the fields that the static messages of `parts` (AisStaticPartBit) carry from `from`
// into `to`. The stored marker and time are never copied: they belong to the file.
void CopyStaticFields(AisStaticBlock& to, const AisStaticBlock& from, uint8_t parts);

// Queues the ais5 look-up of the new record `index` (its id is the MMSI).
void QueueStaticLookup(int32_t index);
// Queues the write of the fields of `parts` of record `index` into its ais5 record.
void QueueStaticStore(int32_t index, uint8_t parts);

// Runs the queued file work in order, with no lock held: a look-up fills the record's static
// block from the stored one (the fields received meanwhile win), clears its rate of turn and,
// unless a name was received meanwhile, gives it the stored name; a store writes the record
// with the marker 99 and the time now. Work for a record that meanwhile holds another vessel
// is dropped.
void RunTargetFileWork();

// Drops the queued work (a reset).
void DropTargetFileWork();
