#include "userdata/DatabaseReports.h"

#include "frame/SharedTables.h"

#include <cstdio>

using platform::isam::Status;

namespace {

NumberedMessageHook installedMessageHook;
std::function<void(const RecordFailure&)> installedReporter;
int failureCount = 0;

}  // namespace

void InstallNumberedMessageHook(NumberedMessageHook hook)
{
    installedMessageHook = std::move(hook);
}

bool ShowDatabaseMessage(const std::string& section, int32_t number, uint32_t flags)
{
    if (installedMessageHook)
        return installedMessageHook(section, number, flags);
    std::fprintf(stderr, "%s: Error:%d\n", section.c_str(), static_cast<int>(number));
    return flags == DatabaseMessageFatal;
}

void InstallRecordFailureReporter(std::function<void(const RecordFailure&)> reporter)
{
    installedReporter = std::move(reporter);
}

void ReportRecordFailure(const RecordFailure& failure)
{
    // After the shut-down the database is closed on purpose: what still runs finds nothing.
    if (IoShutDown && failure.status == Status::NotStarted)
        return;
    ++failureCount;
    if (installedReporter) {
        installedReporter(failure);
        return;
    }
    std::fprintf(stderr, "user database: %s on %s failed with status %d\n",
                 failure.operation.c_str(), UserFileSetName(failure.file),
                 static_cast<int>(failure.status));
}

Status CheckRecordStatus(const std::string& operation, UserDataFile file, Status status)
{
    if (status != Status::Ok && status != Status::KeyExists && status != Status::NoRecord)
        ReportRecordFailure({operation, file, status});
    return status;
}

int RecordFailureCount()
{
    return failureCount;
}

void ResetRecordFailureCount()
{
    failureCount = 0;
}
