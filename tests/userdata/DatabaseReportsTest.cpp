// Which results of record operations are reported, and the message routine's default.

#include "userdata/DatabaseReports.h"

#include <gtest/gtest.h>

using platform::isam::Status;

TEST(DatabaseReports, OnlyUnexpectedRecordResultsAreReportedAndCounted)
{
    std::vector<Status> reported;
    InstallRecordFailureReporter([&](const RecordFailure& failure) {
        reported.push_back(failure.status);
    });
    ResetRecordFailureCount();
    for (const Status status : {Status::Ok, Status::KeyExists, Status::NoRecord, Status::IoError,
                                Status::Busy, Status::NoCurrentRecord})
        EXPECT_EQ(CheckRecordStatus("rewrite", PointFile, status), status);
    EXPECT_EQ(reported, (std::vector<Status>{Status::IoError, Status::Busy,
                                             Status::NoCurrentRecord}));
    EXPECT_EQ(RecordFailureCount(), 3);
    InstallRecordFailureReporter(nullptr);
}

TEST(DatabaseReports, WithoutAMessageRoutineOnlyTheStopIconIsFatal)
{
    InstallNumberedMessageHook(nullptr);
    testing::internal::CaptureStderr();
    EXPECT_TRUE(ShowDatabaseMessage("id Create", 41, DatabaseMessageFatal));
    EXPECT_FALSE(ShowDatabaseMessage("cTree", 301, 0x30));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "id Create: Error:41\ncTree: Error:301\n");
}
