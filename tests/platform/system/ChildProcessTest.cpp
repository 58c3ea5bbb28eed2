#include "platform/system/ChildProcess.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <thread>
#include <unistd.h>

using platform::ChildProcess;

namespace {

// True when no process of that id exists any more (ended and reaped).
bool IsGone(pid_t pid)
{
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

bool EndsWithin(ChildProcess& child, std::chrono::seconds limit)
{
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (child.isRunning()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

TEST(ChildProcess, SplitsCommandLinesAtBlanksWithQuotesGrouping)
{
    using Words = std::vector<std::string>;
    const std::pair<const char*, Words> cases[] = {
        {"Korvane", {"Korvane"}},
        {"  a  b\tc ", {"a", "b", "c"}},
        {"\"C:\\Program Files\\x\" -q", {"C:\\Program Files\\x", "-q"}},
        {"x\"y z\"w", {"xy zw"}},
        {"a \"\" b", {"a", "", "b"}},
        {"\"open", {"open"}},
        {"", {}},
        {"   ", {}},
    };
    for (const auto& [line, words] : cases)
        EXPECT_EQ(ChildProcess::splitCommandLine(line), words) << line;
}

TEST(ChildProcess, ProgramEndingByItselfIsNotEnded)
{
    ChildProcess child;
    ASSERT_TRUE(child.start("true"));
    EXPECT_TRUE(child.isStarted());
    EXPECT_TRUE(EndsWithin(child, std::chrono::seconds(10)));
    EXPECT_FALSE(child.endAfter(500));
    EXPECT_TRUE(IsGone(child.pid()));
}

TEST(ChildProcess, RunningProgramIsEndedAfterTheWait)
{
    ChildProcess child;
    ASSERT_TRUE(child.start("sleep 5"));
    EXPECT_TRUE(child.isRunning());
    EXPECT_EQ(::getsid(child.pid()), child.pid());  // a session of its own
    EXPECT_FALSE(child.start("sleep 5"));          // one program at a time

    EXPECT_TRUE(child.endAfter(500));
    EXPECT_FALSE(child.isRunning());
    EXPECT_TRUE(IsGone(child.pid()));
}

TEST(ChildProcess, ProgramIgnoringTerminationIsKilled)
{
    ChildProcess child;
    ASSERT_TRUE(child.start("sh -c \"trap '' TERM; exec sleep 5\""));
    EXPECT_TRUE(child.endAfter(300));
    EXPECT_TRUE(IsGone(child.pid()));
}

TEST(ChildProcess, ProgramThatCannotRunIsReported)
{
    const std::string notExecutable = std::string(VARNIK_SOURCE_DIR) + "/CMakeLists.txt";
    for (const std::string& line : {std::string("varnik-no-such-program --x"),
                                    std::string("/nonexistent/prog"), notExecutable, std::string()}) {
        ChildProcess child;
        EXPECT_FALSE(child.start(line)) << line;
        EXPECT_FALSE(child.isStarted());
        EXPECT_FALSE(child.isRunning());
        EXPECT_FALSE(child.endAfter(0));
    }
}

TEST(ChildProcess, DestructorLeavesTheProgramRunning)
{
    pid_t pid = -1;
    {
        ChildProcess child;
        ASSERT_TRUE(child.start("sleep 5"));
        pid = child.pid();
    }
    EXPECT_FALSE(IsGone(pid));
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

}  // namespace
