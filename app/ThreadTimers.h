#pragma once
// The thread-timer component: nine timers numbered 1 to 9, each paced by a thread of its own
// and each calling its handler on the thread that made the component (the main thread), from
// its event loop, one call per tick. A timer is disabled (its thread not running) until it is
// enabled; the program enables timer 2 alone, at 200 ms.

#include "app/TimerClock.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <utility>

class TiThreadTimers;

using TimerHandler = std::function<void(TiThreadTimers* sender)>;

// One timer. Its thread waits the interval and posts a tick event to this object, which lives
// on the main thread. The thread is joined before the object goes, and Qt drops the events still
// queued for a deleted object, so a handler never runs for a destroyed timer.
class TiTimerThread : public QObject {
public:
    TiTimerThread(TiThreadTimers* owner, int32_t interval, TimerHandler handler,
                  TimerClock& clock);
    // Ends a running thread at once (its wait is interrupted) and joins it.
    ~TiTimerThread() override;

    // The interval (ms) is taken when the thread starts; the handler is read on the main
    // thread at each tick.
    int32_t Interval() const { return interval_; }
    void SetInterval(int32_t interval) { interval_ = interval; }
    const TimerHandler& OnTimer() const { return onTimer_; }
    void SetOnTimer(TimerHandler handler) { onTimer_ = std::move(handler); }

    bool Suspended() const { return !thread_.joinable(); }
    void Resume();
    // Ends the thread, interrupting its wait; Resume starts a fresh interval.
    void Suspend();

protected:
    // Runs the handler for a tick, on the main thread.
    bool event(QEvent* event) override;

private:
    void Execute(std::stop_token stop, std::chrono::milliseconds interval);

    TiThreadTimers* owner_;
    TimerHandler onTimer_;
    int32_t interval_;
    TimerClock& clock_;
    std::jthread thread_;
};

class TiThreadTimers : public QObject {
public:
    static constexpr int TimerCount = 9;

    // Nine disabled timers of 1000 ms without a handler. The clock paces every timer thread.
    explicit TiThreadTimers(QObject* owner = nullptr, TimerClock& clock = SteadyTimerClock());
    // Destroys the timers 1 to 9; running threads end at once, without waiting out a tick.
    ~TiThreadTimers() override;

    // `timer` is 1..9 (std::out_of_range otherwise).
    bool Enabled(int timer) const;
    // Starts or suspends the timer's thread; setting the state it has changes nothing.
    void SetEnabled(int timer, bool value);
    int32_t Interval(int timer) const;
    // Milliseconds, at least 1. An enabled timer gets a new thread with the new interval and
    // the same handler, started at once; a disabled one just keeps the value.
    void SetInterval(int timer, int32_t interval);
    const TimerHandler& OnTimer(int timer) const;
    void SetOnTimer(int timer, TimerHandler handler);

private:
    std::unique_ptr<TiTimerThread> CreateTimer(int32_t interval, TimerHandler handler);
    std::unique_ptr<TiTimerThread>& Timer(int timer);
    const TiTimerThread& Timer(int timer) const;

    TimerClock& clock_;
    std::array<std::unique_ptr<TiTimerThread>, TimerCount> timers_;
    std::array<bool, TimerCount> enabled_{};
};
