// The auto-reset event: a signal wakes one wait and is then gone; a signal that comes while the
// waiter is busy elsewhere is kept for its next wait.

#include "platform/system/AutoResetEvent.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <thread>

namespace {

using platform::AutoResetEvent;

TEST(AutoResetEventTest, ASignalCountsOnceAndAResetDropsIt)
{
    AutoResetEvent event;
    EXPECT_FALSE(event.tryWait()) << "created not signalled";
    event.set();
    event.set();
    EXPECT_TRUE(event.tryWait());
    EXPECT_FALSE(event.tryWait()) << "two signals before a wait count once";
    event.set();
    event.reset();
    EXPECT_FALSE(event.tryWait());
    event.set();
    event.wait();  // returns at once
    EXPECT_FALSE(event.tryWait());
}

TEST(AutoResetEventTest, ASignalWhileTheWaiterIsBusyIsKeptForItsNextWait)
{
    AutoResetEvent event;
    std::promise<void> firstWaitOver;
    std::promise<void> signalledWhileBusy;
    std::atomic<int> wakeUps{0};
    std::thread waiter([&] {
        event.wait();
        ++wakeUps;
        firstWaitOver.set_value();
        signalledWhileBusy.get_future().wait();  // busy: not waiting on the event
        event.wait();                            // the kept signal
        ++wakeUps;
    });
    event.set();  // wakes the waiter, or waits for it if it is not waiting yet
    firstWaitOver.get_future().wait();
    event.set();
    signalledWhileBusy.set_value();
    waiter.join();
    EXPECT_EQ(wakeUps, 2);
    EXPECT_FALSE(event.tryWait()) << "each signal was taken by one wait";
}

}  // namespace
