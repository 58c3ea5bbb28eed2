#include "sensors/SensorNotices.h"

#include "sensors/SensorHooks.h"

#include <utility>
#include <vector>

namespace {

std::vector<std::function<void()>> pending;

}  // namespace

void QueueSensorNotice(platform::MessageBoxRequest request)
{
    QueueSensorWork([notice = std::move(request)] {
        if (SensorHook.showNotice)
            SensorHook.showNotice(notice);
        else
            platform::ShowMessageBox(notice);
    });
}

void QueueSensorWork(std::function<void()> work)
{
    pending.push_back(std::move(work));
}

void FlushSensorNotices()
{
    // Taken out first: the work may run the event loop and parse more input.
    std::vector<std::function<void()>> work;
    work.swap(pending);
    for (const std::function<void()>& item : work)
        item();
}
