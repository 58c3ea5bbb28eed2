#pragma once
// How the user database reports trouble.
//
// Opening: a failure is a numbered message of the language file (section = the failing step,
// number = the library's status) with the stop icon, which ends the program. The frame installs
// its message routine at start-up; without one the message goes to stderr.
//
// Record operations after opening show no dialog, but a failure other than the expected
// "key exists" and "no record" is reported (stderr unless a reporter is installed) and counted,
// so that the frame can mark it on the status line instead of losing data without a trace.

#include "platform/isam/IsamStatus.h"
#include "userdata/UserFileSets.h"

#include <cstdint>
#include <functional>
#include <string>

constexpr uint32_t DatabaseMessageFatal = 0x10;  // stop icon

// Shows a numbered message; returns true after a fatal one (the program is ending).
using NumberedMessageHook =
    std::function<bool(const std::string& section, int32_t number, uint32_t flags)>;
// nullptr restores the default (stderr; a stop-icon message counts as fatal).
void InstallNumberedMessageHook(NumberedMessageHook hook);
bool ShowDatabaseMessage(const std::string& section, int32_t number, uint32_t flags);

struct RecordFailure {
    std::string operation;  // what was attempted, e.g. "add", "clear"
    UserDataFile file = IdFile;
    platform::isam::Status status = platform::isam::Status::Ok;
};

// nullptr restores the default (a line on stderr).
void InstallRecordFailureReporter(std::function<void(const RecordFailure&)> reporter);
// Reports and counts the failure; after the shut-down an operation that found the database
// closed is no failure.
void ReportRecordFailure(const RecordFailure& failure);
// Reports the result of a record operation unless it is Ok, KeyExists or NoRecord; returns it.
platform::isam::Status CheckRecordStatus(const std::string& operation, UserDataFile file,
                                         platform::isam::Status status);
// Failures reported since the program started (or since the count was reset).
int RecordFailureCount();
void ResetRecordFailureCount();
