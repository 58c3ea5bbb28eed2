#pragma once
// How a timer thread waits out its interval, and how the shut-down waits for the programs it
// tells to end. The program's clock sleeps; a test's clock lets ticks through one by one, so no
// test has to sleep.

#include <chrono>
#include <stop_token>

class TimerClock {
public:
    virtual ~TimerClock() = default;
    // Waits `interval`, or less when `stop` is requested meanwhile; true when the wait ran out,
    // false when it was stopped. Called on the timer threads, several at a time.
    virtual bool Wait(std::chrono::milliseconds interval, std::stop_token stop) = 0;
};

// The steady clock of the machine; a stop request ends its wait at once.
TimerClock& SteadyTimerClock();

// The clock of the shut-down's pauses (on the main thread): the steady clock unless a test has
// installed one; nullptr goes back to the steady clock.
TimerClock& ShutdownClock();
void SetShutdownClock(TimerClock* clock);
