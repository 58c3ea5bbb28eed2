#include "platform/system/DurableAppend.h"
#include "platform/system/FileReplace.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string Contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string Record(char fill)
{
    return std::string(20, fill);
}

// Every cut a power failure can leave after two whole records, and the zeros a file system may
// leave where the last record should have been: the next append keeps the two and adds the new
// one whole, right after them.
TEST(AppendDurably, ATornRecordTailIsCutBeforeTheAppend)
{
    TempFolder folder;
    const auto file = folder / "261211.rpl";
    const std::string sound = Record('a') + Record('b');
    std::vector<std::string> tails;
    for (size_t cut = 1; cut < 20; ++cut)
        tails.push_back(Record('c').substr(0, cut));
    tails.push_back(std::string(20, '\0'));
    tails.push_back(std::string(47, '\0'));
    tails.push_back(std::string(3, 'c') + std::string(17, '\0'));  // a record begun, never ended
    for (const std::string& tail : tails) {
        Put(file, sound + tail);
        ASSERT_TRUE(platform::AppendDurably(file, Record('d'), {20})) << tail.size();
        const std::string expected = tail.size() == 20 && tail[0] == 'c' ? sound + tail + Record('d')
                                                                        : sound + Record('d');
        EXPECT_EQ(Contents(file), expected) << tail.size();
    }
}

TEST(AppendDurably, ALineWithoutItsEndIsCutBeforeTheAppend)
{
    TempFolder folder;
    const auto file = folder / "ais.log";
    const std::string sound = "first\r\nsecond\r\n";
    for (const std::string tail : {std::string("thi"), std::string("third\r"), std::string(9, '\0'), std::string()}) {
        Put(file, sound + tail);
        ASSERT_TRUE(platform::AppendDurably(file, "new\r\n", {}));
        EXPECT_EQ(Contents(file), sound + "new\r\n") << tail.size();
    }
    // A file torn inside its only line starts again; a missing one is made.
    Put(file, "tor");
    ASSERT_TRUE(platform::AppendDurably(file, "new\r\n", {}));
    EXPECT_EQ(Contents(file), "new\r\n");
    ASSERT_TRUE(platform::AppendDurably(folder / "made.txt", "x\r\n", {}));
    EXPECT_EQ(Contents(folder / "made.txt"), "x\r\n");
    EXPECT_FALSE(platform::AppendDurably(folder / "missing" / "x.txt", "x\r\n", {}));
}

// A writer killed at any moment loses at most the record it was writing: every record read back
// is whole and in order.
TEST(AppendDurably, AWriterKilledMidwayLosesAtMostItsLastRecord)
{
    TempFolder folder;
    const auto file = folder / "killed.rpl";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        for (uint32_t n = 1;; ++n) {
            std::string record(20, '\0');
            for (size_t i = 0; i < 20; i += 4)
                std::memcpy(record.data() + i, &n, 4);
            platform::AppendDurably(file, record, {20});
        }
    }
    ::usleep(300000);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    // The file as the next append finds it.
    ASSERT_TRUE(platform::AppendDurably(file, "", {20}));
    const std::string bytes = Contents(file);
    ASSERT_EQ(bytes.size() % 20, 0u);
    ASSERT_GT(bytes.size(), 0u);
    for (size_t at = 0; at < bytes.size(); at += 20)
        for (size_t i = 0; i < 20; i += 4) {
            uint32_t n = 0;
            std::memcpy(&n, bytes.data() + at + i, 4);
            ASSERT_EQ(n, at / 20 + 1) << at;
        }
}

// A rewrite stopped by the file-size limit leaves the old file as it was.
TEST(ReplaceFile, ARewriteCutShortLeavesTheOldFile)
{
    TempFolder folder;
    const auto file = folder / "ais.sdv";
    Put(file, "old\r\n");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(platform::ReplaceFile(file, std::string(5000, 'n')) ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(Contents(file), "old\r\n");
}

}  // namespace
