#include "app/TickClock.h"

#include "frame/PortSettings.h"
#include "frame/SharedTables.h"

#include <ctime>
#include <mutex>

namespace {

TickClockSource tickClock;

}  // namespace

platform::ClockTime TickNow()
{
    return tickClock ? tickClock() : platform::ClockNow();
}

void SetTickClock(TickClockSource source)
{
    tickClock = std::move(source);
}

void UpdateClockRecord()
{
    const auto since1970 = std::chrono::floor<std::chrono::seconds>(TickNow().time_since_epoch());
    const std::time_t moment = std::time_t(since1970.count());
    std::tm local{};
    localtime_r(&moment, &local);
    // The output thread reads the clock for its sentences.
    const std::lock_guard lock(ComOutStateLock);
    ClockSeconds = since1970.count();
    if (!ClockTime)
        ClockTime = std::make_unique<ClockRecord>();
    *ClockTime = {local.tm_sec,  local.tm_min,  local.tm_hour, local.tm_mday,
                  local.tm_mon,  local.tm_year > 99 ? local.tm_year - 100 : local.tm_year,
                  local.tm_wday, local.tm_yday, local.tm_isdst};
}
