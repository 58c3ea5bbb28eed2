#include "sensors/ComOutThread.h"

#include "platform/system/AutoResetEvent.h"
#include "platform/system/ThreadPriority.h"
#include "sensors/NmeaOutput.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {

constexpr std::chrono::milliseconds PauseAfterCycle{10};

class ComOutThread {
public:
    ComOutThread() { platform::RunAtLowestPriority(thread_); }
    ~ComOutThread()
    {
        terminated_ = true;
        ready_.set();
        thread_.join();
    }
    ComOutThread(const ComOutThread&) = delete;
    ComOutThread& operator=(const ComOutThread&) = delete;

    void signal(bool positionSentences)
    {
        if (positionSentences)
            positionDue_ = true;
        ready_.set();
    }
    bool atLowestPriority() { return platform::RunsAtLowestPriority(thread_); }

private:
    void run()
    {
        NmeaOutputBatch batch;
        while (!terminated_) {
            ready_.wait();
            if (terminated_)
                break;
            SendNmeaOutput(batch, positionDue_.exchange(false));
            std::this_thread::sleep_for(PauseAfterCycle);
        }
    }

    platform::AutoResetEvent ready_;
    std::atomic<bool> terminated_{false};
    std::atomic<bool> positionDue_{false};  // a fix asked for the position and route sentences
    std::thread thread_{[this] { run(); }};  // last: starts once the members above exist
};

// Main thread only.
std::unique_ptr<ComOutThread> instance;

}  // namespace

bool StartComOutThread()
{
    if (instance)
        return false;
    instance = std::make_unique<ComOutThread>();
    return true;
}

void SignalComOutThread()
{
    if (instance)
        instance->signal(true);
}

void WakeComOutThreadForOneOff()
{
    if (instance)
        instance->signal(false);
}

bool StopComOutThread()
{
    if (!instance)
        return false;
    instance.reset();
    return true;
}

bool ComOutThreadAtLowestPriority()
{
    return instance && instance->atLowestPriority();
}
