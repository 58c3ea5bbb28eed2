#include "platform/system/ThreadPriority.h"

#include <pthread.h>
#include <sched.h>

namespace platform {

bool RunAtLowestPriority(std::thread& thread)
{
    const sched_param none{};  // the idle policy has no static priority
    return pthread_setschedparam(thread.native_handle(), SCHED_IDLE, &none) == 0;
}

bool RunsAtLowestPriority(std::thread& thread)
{
    int policy = 0;
    sched_param param{};
    return pthread_getschedparam(thread.native_handle(), &policy, &param) == 0 && policy == SCHED_IDLE;
}

}  // namespace platform
