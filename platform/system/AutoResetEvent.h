#pragma once
// An auto-reset event: set() leaves it signalled until one wait takes the signal and resets it.
// A signal given while no one waits (the waiter is busy) is kept for its next wait; signals given
// before that wait count once.

#include <condition_variable>
#include <mutex>

namespace platform {

class AutoResetEvent {
public:
    AutoResetEvent() = default;
    AutoResetEvent(const AutoResetEvent&) = delete;
    AutoResetEvent& operator=(const AutoResetEvent&) = delete;

    // Signals the event: wakes one waiter, or stays signalled until the next wait.
    void set();
    // Drops a signal not yet taken.
    void reset();
    // Waits, without time-out, until the event is signalled, and resets it.
    void wait();
    // Takes the signal when there is one, without waiting; whether there was one.
    bool tryWait();

private:
    std::mutex mutex_;
    std::condition_variable signalled_;
    bool set_ = false;
};

}  // namespace platform
