#include "SampleFileSet.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform::isam;

namespace {

// Adds records 0, 1, 2, ... with write-through and reports each one acknowledged on the pipe,
// until it is killed.
[[noreturn]] void AddUntilKilled(const FileDefinition& definition, int reportFd)
{
    IsamLibrary isam;
    if (isam.start(15) != Status::Ok || isam.openFileSet(definition) != Status::Ok)
        _exit(2);
    for (int32_t id = 0;; ++id) {
        if (isam.addRecord(SampleFile, bytesOf(MakeSample(id, 0))) != Status::Ok)
            _exit(3);
        if (write(reportFd, &id, sizeof id) != sizeof id)
            _exit(4);
    }
}

using CrashTest = SampleFileSetTest;

TEST_F(CrashTest, KilledWriterLosesNoAcknowledgedRecord)
{
    const FileDefinition writeThrough = definition(FileMode::Exclusive | FileMode::WriteThrough);
    ASSERT_EQ(isam.createFileSet(writeThrough), Status::Ok);
    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);

    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(report[0]);
        AddUntilKilled(writeThrough, report[1]);
    }
    close(report[1]);

    std::vector<int32_t> acknowledged;
    int32_t id;
    while (acknowledged.size() < 150 && read(report[0], &id, sizeof id) == sizeof id)
        acknowledged.push_back(id);
    kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << status;
    while (read(report[0], &id, sizeof id) == sizeof id)
        acknowledged.push_back(id);
    close(report[0]);

    // The writer's mark is still on the files: its last commit may be in the data file only.
    EXPECT_EQ(isam.openFileSet(definition(FileMode::Shared)), Status::IndexStale);
    EXPECT_EQ(isam.openFileSet(writeThrough), Status::IndexStale);
    ASSERT_EQ(isam.rebuildFileSet(writeThrough), Status::Ok);
    ASSERT_EQ(isam.openFileSet(writeThrough), Status::Ok);
    ASSERT_GE(acknowledged.size(), 150u);
    for (const int32_t acknowledgedId : acknowledged)
        ASSERT_NE(isam.keyPresent(ByIdKey, idKey(acknowledgedId, 0)), 0) << acknowledgedId;
    // At most the add under way when the writer was killed went in without its report.
    EXPECT_LE(walk(ByIdKey).size(), acknowledged.size() + 1);
}

}  // namespace
