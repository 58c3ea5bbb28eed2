// The lock that guards what the output thread reads: a thread that takes it twice is stopped
// with a message instead of hanging.

#include "frame/PortSettings.h"

#include <gtest/gtest.h>

#include <future>
#include <mutex>

namespace {

// Whether another thread gets the lock at once.
bool FreeForAnotherThread(CheckedMutex& mutex)
{
    return std::async(std::launch::async, [&mutex] {
               std::unique_lock lock(mutex, std::try_to_lock);
               return lock.owns_lock();
           }).get();
}

}  // namespace

TEST(CheckedMutex, KnowsItsHolderAndExcludesOtherThreads)
{
    CheckedMutex mutex("TestLock");
    EXPECT_FALSE(mutex.heldByThisThread());
    {
        const std::lock_guard lock(mutex);
        EXPECT_TRUE(mutex.heldByThisThread());
        EXPECT_FALSE(FreeForAnotherThread(mutex));
    }
    EXPECT_FALSE(mutex.heldByThisThread());
    EXPECT_TRUE(FreeForAnotherThread(mutex));

    std::unique_lock lock(mutex);
    lock.unlock();
    EXPECT_TRUE(lock.try_lock());
    EXPECT_TRUE(mutex.heldByThisThread());
}

#ifndef NDEBUG
TEST(CheckedMutexDeathTest, TakingTheOutputLockTwiceStopsTheProgramWithItsName)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(
        {
            const std::lock_guard outer(ComOutStateLock);
            const std::lock_guard inner(ComOutStateLock);
        },
        "ComOutStateLock: taken again by the thread that already holds it");
    EXPECT_DEATH(
        {
            const std::lock_guard outer(ComOutStateLock);
            std::unique_lock inner(ComOutStateLock, std::try_to_lock);
        },
        "ComOutStateLock: taken again by the thread that already holds it");
    EXPECT_DEATH(ComOutStateLock.unlock(),
                 "ComOutStateLock: released by a thread that does not hold it");
    EXPECT_FALSE(ComOutStateLock.heldByThisThread());
}
#endif
