#include "platform/system/AutoResetEvent.h"

namespace platform {

void AutoResetEvent::set()
{
    {
        const std::lock_guard lock(mutex_);
        set_ = true;
    }
    signalled_.notify_one();
}

void AutoResetEvent::reset()
{
    const std::lock_guard lock(mutex_);
    set_ = false;
}

void AutoResetEvent::wait()
{
    std::unique_lock lock(mutex_);
    signalled_.wait(lock, [this] { return set_; });
    set_ = false;
}

bool AutoResetEvent::tryWait()
{
    const std::lock_guard lock(mutex_);
    const bool was = set_;
    set_ = false;
    return was;
}

}  // namespace platform
