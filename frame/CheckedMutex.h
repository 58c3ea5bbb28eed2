#pragma once
// A mutex that knows which thread holds it. In a Debug build a thread that takes it while it
// already holds it (which would hang that thread for good with a plain mutex), or that releases
// it without holding it, stops the program at once with a message on stderr naming the lock.
// Works with std::lock_guard, std::unique_lock and std::scoped_lock.

#include <atomic>
#include <mutex>
#include <thread>

class CheckedMutex {
public:
    explicit CheckedMutex(const char* name) : name_(name) {}
    CheckedMutex(const CheckedMutex&) = delete;
    CheckedMutex& operator=(const CheckedMutex&) = delete;

    void lock()
    {
        checkNotHeld();
        mutex_.lock();
        owner_.store(std::this_thread::get_id(), std::memory_order_relaxed);
    }

    bool try_lock()
    {
        checkNotHeld();
        if (!mutex_.try_lock())
            return false;
        owner_.store(std::this_thread::get_id(), std::memory_order_relaxed);
        return true;
    }

    void unlock()
    {
#ifndef NDEBUG
        if (!heldByThisThread())
            Fail(name_, "released by a thread that does not hold it");
#endif
        owner_.store(std::thread::id(), std::memory_order_relaxed);
        mutex_.unlock();
    }

    // True while the calling thread holds the lock. Only the holder ever stores its own id, so
    // the answer is exact for the calling thread.
    bool heldByThisThread() const
    {
        return owner_.load(std::memory_order_relaxed) == std::this_thread::get_id();
    }

    const char* name() const { return name_; }

private:
    void checkNotHeld() const
    {
#ifndef NDEBUG
        if (heldByThisThread())
            Fail(name_, "taken again by the thread that already holds it");
#endif
    }

    // Writes "<name>: <what>" to stderr and aborts.
    [[noreturn]] static void Fail(const char* name, const char* what);

    std::mutex mutex_;
    std::atomic<std::thread::id> owner_{};
    const char* const name_;
};
