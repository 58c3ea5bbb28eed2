#pragma once
// The ais5 file: the stored static and voyage data of the AIS stations, one record per MMSI
// (key 12). Used while the file set is open; without it nothing is read or written. Failures
// other than a missing record are reported as every record failure is (DatabaseReports.h).

#include "platform/isam/IsamStatus.h"
#include "userdata/UserRecords.h"

#include <cstdint>

// The record of `mmsi` into `record`: Ok, NoRecord (record untouched), or a failure.
platform::isam::Status ReadAisStatic(uint32_t mmsi, AisStaticRecord& record);

// Stores the record under its MMSI: rewritten when there is one, else added. NotStarted or
// BadFileNumber, nothing written, while the ais5 file is not open.
platform::isam::Status WriteAisStatic(const AisStaticRecord& record);
