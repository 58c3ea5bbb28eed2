#pragma once
// The AIS files of the log folder: the guard-zone event log "ais.log", which grows without
// limit, and the export of the AIS targets "ais.sdv", rewritten whole on each request. Main
// thread only.

#include <cstdint>
#include <string>

// Events of the event log.
enum AisLogEvent : int32_t {
    AisLogLeave = 0,
    AisLogEnter = 1,
    AisLogLost = 2,
    AisLogAllLost = 3,  // the target index is not used
};

// Appends one event of target `index` (the zone's name for ENTER and LEAVE). A missing file is
// begun with its header, and the main window's "Ais guardzone log" button is enabled.
void WriteAisEventLog(int32_t index, int32_t event, const std::string& zone = {});

// The event's line (CR LF ended), from the target record and ClockTime.
std::string AisEventLine(int32_t index, int32_t event, const std::string& zone);

// Rewrites ais.sdv with every AIS target of the table; false when it could not be written.
bool ExportAisTargets();

// The text of ais.sdv (CR LF ended lines).
std::string AisTargetExport();
