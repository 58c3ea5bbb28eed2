#include "sensors/SensorNotices.h"

#include "sensors/SensorHooks.h"

#include <utility>

namespace {

std::vector<platform::MessageBoxRequest> pending;

}  // namespace

void QueueSensorNotice(platform::MessageBoxRequest request)
{
    pending.push_back(std::move(request));
}

void FlushSensorNotices()
{
    // Taken out first: showing one may run the event loop and parse more input.
    std::vector<platform::MessageBoxRequest> notices;
    notices.swap(pending);
    for (const platform::MessageBoxRequest& notice : notices) {
        if (SensorHook.showNotice)
            SensorHook.showNotice(notice);
        else
            platform::ShowMessageBox(notice);
    }
}
