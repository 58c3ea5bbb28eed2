#pragma once
// The ais5 file: the stored static and voyage data of the AIS stations, one record per MMSI
// (key 12). Used while the file set is open; without it nothing is read or written. Failures
// other than a missing record are reported as every record failure is (DatabaseReports.h).

#include "platform/isam/IsamStatus.h"
#include "userdata/UserFileSets.h"
#include "userdata/UserRecords.h"

#include <cstdint>

// The record of `mmsi` into `record`: Ok, NoRecord (record untouched), or a failure.
platform::isam::Status ReadAisStatic(uint32_t mmsi, AisStaticRecord& record);

// Stores the record under its MMSI: rewritten when there is one, else added. NotStarted or
// BadFileNumber, nothing written, while the ais5 file is not open.
platform::isam::Status WriteAisStatic(const AisStaticRecord& record);

// The dialog's look-ups and steps through the ais5 keys: name (AisNameKey), MMSI, IMO number and
// call sign. Up is towards greater keys. Ok and the record, NoRecord (record untouched) when none
// lies in that direction, or a failure.
enum class AisSeekDirection { Up, Down };

// From a typed value, the key's segment taken from `probe`: Up the first record whose key is
// greater, Down the last whose key is less.
platform::isam::Status SeekAisStatic(UserKey key, const AisStaticRecord& probe, AisSeekDirection direction,
                                     AisStaticRecord& record);

// From the record of `mmsi`: the next or the previous record in the order of `key`. Without a
// record of that MMSI, the first record of a greater MMSI whatever the direction.
platform::isam::Status StepAisStatic(UserKey key, uint32_t mmsi, AisSeekDirection direction,
                                     AisStaticRecord& record);
