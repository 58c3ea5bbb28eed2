#include "app/TimerClock.h"

#include <condition_variable>
#include <mutex>

namespace {

class SteadyClock final : public TimerClock {
public:
    bool Wait(std::chrono::milliseconds interval, std::stop_token stop) override
    {
        std::mutex mutex;
        std::condition_variable_any wake;
        std::unique_lock lock(mutex);
        wake.wait_for(lock, stop, interval, [] { return false; });
        return !stop.stop_requested();
    }
};

TimerClock* shutdownClock = nullptr;

}  // namespace

TimerClock& SteadyTimerClock()
{
    static SteadyClock clock;
    return clock;
}

TimerClock& ShutdownClock()
{
    return shutdownClock ? *shutdownClock : SteadyTimerClock();
}

void SetShutdownClock(TimerClock* clock)
{
    shutdownClock = clock;
}
