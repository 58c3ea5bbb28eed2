#include "app/ThreadTimers.h"

#include "frame/PhaseCounters.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

namespace {

using namespace std::chrono_literals;

// A clock whose waits run out only when the test releases them, one tick each. It notes every
// interval it is asked to wait.
class ManualClock final : public TimerClock {
public:
    bool Wait(std::chrono::milliseconds interval, std::stop_token stop) override
    {
        std::unique_lock lock(mutex_);
        intervals_.push_back(interval);
        changed_.notify_all();
        if (!changed_.wait(lock, stop, [this] { return permits_ > 0; }))
            return false;
        --permits_;
        return true;
    }

    void Release(int ticks)
    {
        std::lock_guard lock(mutex_);
        permits_ += ticks;
        changed_.notify_all();
    }

    // Waits until `count` waits have begun: each released tick was then posted before the
    // thread came back to wait again. False when that does not happen within ten seconds.
    bool AwaitWaits(std::size_t count)
    {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 10s, [&] { return intervals_.size() >= count; });
    }

    std::vector<std::chrono::milliseconds> Intervals()
    {
        std::lock_guard lock(mutex_);
        return intervals_;
    }

private:
    std::mutex mutex_;
    std::condition_variable_any changed_;
    int permits_ = 0;
    std::vector<std::chrono::milliseconds> intervals_;
};

class ThreadTimersTest : public testing::Test {
protected:
    // A handler that notes its calls, as the 200 ms tick of the main window does its work.
    TimerHandler Counting()
    {
        return [this](TiThreadTimers* sender) {
            ++calls;
            senders.push_back(sender);
            onMainThread = onMainThread && QThread::currentThread() == qApp->thread();
        };
    }

    // Delivers the ticks posted to the main thread so far.
    static void DeliverTicks() { QCoreApplication::sendPostedEvents(); }

    ManualClock clock;
    int calls = 0;
    std::vector<TiThreadTimers*> senders;
    bool onMainThread = true;
};

TEST_F(ThreadTimersTest, Timer2AdvancesThePhaseCountersOnTheMainThreadEvery200ms)
{
    // As the main window sets the component up and the start-up enables it.
    TiThreadTimers timers(nullptr, clock);
    timers.SetInterval(1, 100);
    timers.SetInterval(2, 200);
    timers.SetOnTimer(2, [this](TiThreadTimers* sender) {
        Counting()(sender);
        AdvancePhaseCounters();
    });
    EXPECT_TRUE(clock.Intervals().empty()) << "no timer runs before it is enabled";
    PhaseCounters.fill(0);
    timers.SetEnabled(2, true);

    // Eleven ticks queue up while the main thread is busy; none is merged or lost.
    clock.Release(11);
    ASSERT_TRUE(clock.AwaitWaits(12));
    EXPECT_EQ(calls, 0) << "ticks run only from the main thread's event loop";
    DeliverTicks();
    EXPECT_EQ(calls, 11);
    EXPECT_TRUE(onMainThread);
    EXPECT_EQ(senders.front(), &timers);
    EXPECT_EQ(PhaseCounters[0], 1);   // 0..9, round once
    EXPECT_EQ(PhaseCounters[1], 11);  // 0..14
    EXPECT_EQ(clock.Intervals(), std::vector(12, std::chrono::milliseconds(200)));
    PhaseCounters.fill(0);
}

TEST_F(ThreadTimersTest, EnablingAndDisablingStartAndEndTheThread)
{
    TiThreadTimers timers(nullptr, clock);
    timers.SetOnTimer(5, Counting());
    timers.SetEnabled(5, true);
    timers.SetEnabled(5, true);  // already enabled: no second thread
    clock.Release(1);
    ASSERT_TRUE(clock.AwaitWaits(2));
    EXPECT_EQ(clock.Intervals().size(), 2u);
    EXPECT_TRUE(timers.Enabled(5));

    // Disabling ends the thread in its wait; a tick it posted before still arrives.
    timers.SetEnabled(5, false);
    timers.SetEnabled(5, false);
    EXPECT_FALSE(timers.Enabled(5));
    DeliverTicks();
    EXPECT_EQ(calls, 1);

    clock.Release(1);
    timers.SetEnabled(5, true);
    ASSERT_TRUE(clock.AwaitWaits(4));
    DeliverTicks();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(clock.Intervals(), std::vector(4, std::chrono::milliseconds(1000)));
}

TEST_F(ThreadTimersTest, IntervalIsAtLeastOneMillisecond)
{
    TiThreadTimers timers(nullptr, clock);
    EXPECT_EQ(timers.Interval(2), 1000);
    timers.SetInterval(2, 0);
    EXPECT_EQ(timers.Interval(2), 1);
    timers.SetInterval(2, -200);
    EXPECT_EQ(timers.Interval(2), 1);
    EXPECT_TRUE(clock.Intervals().empty()) << "a disabled timer stays suspended";
}

TEST_F(ThreadTimersTest, NewIntervalOfAnEnabledTimerGivesANewThreadWithTheSameHandler)
{
    TiThreadTimers timers(nullptr, clock);
    timers.SetOnTimer(2, Counting());
    timers.SetInterval(2, 200);
    timers.SetEnabled(2, true);
    ASSERT_TRUE(clock.AwaitWaits(1));

    timers.SetInterval(2, 500);
    EXPECT_TRUE(timers.Enabled(2));
    EXPECT_EQ(timers.Interval(2), 500);
    clock.Release(1);
    ASSERT_TRUE(clock.AwaitWaits(3));
    DeliverTicks();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(clock.Intervals(), (std::vector<std::chrono::milliseconds>{200ms, 500ms, 500ms}));
}

TEST_F(ThreadTimersTest, TicksWithoutAHandlerAreIgnored)
{
    TiThreadTimers timers(nullptr, clock);
    timers.SetEnabled(9, true);
    clock.Release(3);
    ASSERT_TRUE(clock.AwaitWaits(4));
    DeliverTicks();
    EXPECT_FALSE(timers.OnTimer(9));
}

TEST_F(ThreadTimersTest, QueuedTicksOfADestroyedComponentNeverRun)
{
    auto timers = std::make_unique<TiThreadTimers>(nullptr, clock);
    timers->SetOnTimer(2, Counting());
    timers->SetEnabled(2, true);
    clock.Release(3);
    ASSERT_TRUE(clock.AwaitWaits(4));
    timers.reset();  // three ticks are still queued
    DeliverTicks();
    EXPECT_EQ(calls, 0);
}

TEST_F(ThreadTimersTest, DestroyingEndsARunningTimerWithoutWaitingOutItsInterval)
{
    // The machine's clock and a day-long interval: the destruction interrupts the wait.
    TiThreadTimers timers;
    timers.SetInterval(2, 24 * 3600 * 1000);
    timers.SetOnTimer(2, Counting());
    timers.SetEnabled(2, true);
    // Leaving the scope destroys the component; a wait that could not be interrupted would
    // hold the test here for a day.
}

}  // namespace
