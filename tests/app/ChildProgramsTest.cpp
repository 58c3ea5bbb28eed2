// The end of the child programs at shut-down: each is looked at again after its wait.

#include "AppTestSupport.h"

#include "app/ChildPrograms.h"
#include "app/TimerClock.h"
#include "frame/SharedTables.h"

#include <sys/wait.h>

namespace {

using ChildProgramsTest = AppTest;

// The shut-down's wait for the child programs: a clock that, while it waits, lets a test end one
// of them by itself.
class WaitingClock final : public TimerClock {
public:
    bool Wait(std::chrono::milliseconds interval, std::stop_token) override
    {
        waits.push_back(interval);
        if (duringWait)
            duringWait();
        return true;
    }
    std::vector<std::chrono::milliseconds> waits;
    std::function<void()> duringWait;
};

void WaitUntilEnded(pid_t pid)
{
    siginfo_t info{};
    ::waitid(P_PID, id_t(pid), &info, WEXITED | WNOWAIT);
}

// After the wait each program is looked at again: only one still running is terminated; one that
// ended before or during the wait, or none at all, is left alone.
TEST_F(ChildProgramsTest, AChildProgramIsTerminatedOnlyWhenStillRunningAfterItsWait)
{
    const struct {
        const char* name;
        const char* command;  // none: no program is started
        bool endsBefore;
        bool endsDuringWait;
        size_t waits;
        int terminated;
    } cases[] = {
        {"none started here", nullptr, false, false, 0, 0},
        {"ended before", "true", true, false, 0, 0},
        {"ends during the wait", "sleep 0.2", false, true, 1, 0},
        {"still running", "sleep 30", false, false, 1, 1},
    };
    WaitingClock clock;
    SetShutdownClock(&clock);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clock.waits.clear();
        clock.duringWait = nullptr;
        platform::ChildProcess& viewer = ThreeDViewer;
        if (c.command) {
            ASSERT_TRUE(viewer.start(c.command));
            if (c.endsBefore)
                WaitUntilEnded(viewer.pid());
            if (c.endsDuringWait)
                clock.duringWait = [&viewer] { WaitUntilEnded(viewer.pid()); };
        }
        EXPECT_EQ(EndChildPrograms(), c.terminated);
        EXPECT_EQ(clock.waits.size(), c.waits);
        EXPECT_FALSE(viewer.isRunning());
        EXPECT_EQ(EndChildPrograms(), 0) << "a second end finds nothing";
    }
    SetShutdownClock(nullptr);
}

// The 3D generator is this program's child whether or not the 3D library was found: left running
// it would outlive the program, and the next start would start another.
TEST_F(ChildProgramsTest, TheThreeDGeneratorEndsWithTheProgramAlsoWithoutTheThreeDLibrary)
{
    WaitingClock clock;
    SetShutdownClock(&clock);
    ASSERT_FALSE(ThreeDAvailable);
    ASSERT_TRUE(ThreeDGenerator.start("sleep 30"));

    EXPECT_EQ(EndChildPrograms(), 1);
    EXPECT_FALSE(ThreeDGenerator.isRunning());
    SetShutdownClock(nullptr);
}

}  // namespace
