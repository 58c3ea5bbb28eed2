#include "SampleFileSet.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform::isam;

namespace {

// Adds records 0, 1, 2, ... and reports each one acknowledged on the pipe, until it is killed.
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

// The writer's mode: exclusive with write-through (WAL), or shared (rollback journal).
class CrashTest : public SampleFileSetTest, public testing::WithParamInterface<uint16_t> {};

TEST_P(CrashTest, KilledWriterLosesNoAcknowledgedRecord)
{
    const FileDefinition writer = definition(GetParam());
    ASSERT_EQ(isam.createFileSet(writer), Status::Ok);
    ASSERT_EQ(isam.closeFileSet(SampleFile), Status::Ok);

    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        close(report[0]);
        AddUntilKilled(writer, report[1]);
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
    // The shared opener takes over the writer's WAL and lock file and leaves neither behind (a
    // rollback journal the writer had not finished is no hot journal and stays until the next
    // change overwrites it).
    EXPECT_EQ(isam.openFileSet(definition(FileMode::Shared)), Status::IndexStale);
    for (const char* left : {"sample.dat-wal", "sample.dat-shm", "sample.idx-wal",
                             "sample.idx-shm", "sample.lck"})
        EXPECT_FALSE(std::filesystem::exists(folder / left)) << left;
    EXPECT_EQ(isam.openFileSet(definition(FileMode::Exclusive)), Status::IndexStale);
    ASSERT_EQ(isam.rebuildFileSet(writer), Status::Ok);
    ASSERT_EQ(isam.openFileSet(writer), Status::Ok);
    ASSERT_GE(acknowledged.size(), 150u);
    for (const int32_t acknowledgedId : acknowledged)
        ASSERT_NE(isam.keyPresent(ByIdKey, idKey(acknowledgedId, 0)), 0) << acknowledgedId;
    // At most the add under way when the writer was killed went in without its report.
    EXPECT_LE(walk(ByIdKey).size(), acknowledged.size() + 1);
}

INSTANTIATE_TEST_SUITE_P(WriterModes, CrashTest,
                         testing::Values(FileMode::Exclusive | FileMode::WriteThrough,
                                         FileMode::Shared),
                         [](const testing::TestParamInfo<uint16_t>& mode) {
                             return mode.param == FileMode::Shared ? "Shared" : "Exclusive";
                         });

}  // namespace
