#include "platform/system/SystemClock.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <mutex>

namespace platform {

namespace {

std::mutex clockLock;
std::chrono::nanoseconds correction{0};
bool reported = false;
bool machineClockAllowed = false;
MachineClockSetter installedSetter;
std::function<void(const std::string&)> installedReporter;

int SetMachineClock(ClockTime utc)
{
    const auto since = std::chrono::duration_cast<std::chrono::nanoseconds>(utc.time_since_epoch());
    timespec ts{};
    ts.tv_sec = time_t(since.count() / 1000000000);
    ts.tv_nsec = long(since.count() % 1000000000);
    if (ts.tv_nsec < 0) {
        ts.tv_nsec += 1000000000;
        ts.tv_sec -= 1;
    }
    return clock_settime(CLOCK_REALTIME, &ts) == 0 ? 0 : errno;
}

}  // namespace

ClockTime ClockNow()
{
    std::lock_guard lock(clockLock);
    return std::chrono::system_clock::now() +
           std::chrono::duration_cast<std::chrono::system_clock::duration>(correction);
}

bool SetClock(ClockTime utc)
{
    std::unique_lock lock(clockLock);
    int error = EPERM;
    if (installedSetter)
        error = installedSetter(utc);
    else if (machineClockAllowed)
        error = SetMachineClock(utc);
    if (error == 0) {
        correction = std::chrono::nanoseconds{0};
        return true;
    }
    correction = utc - std::chrono::system_clock::now();
    if (reported)
        return false;
    reported = true;
    const std::string text = std::string("The PC clock cannot be set (") + std::strerror(error) +
                             "); the program keeps the GPS time itself.";
    auto reporter = installedReporter;
    lock.unlock();
    if (reporter)
        reporter(text);
    else
        std::fprintf(stderr, "%s\n", text.c_str());
    return false;
}

void AllowMachineClockSetting(bool allowed)
{
    std::lock_guard lock(clockLock);
    machineClockAllowed = allowed;
}

std::chrono::nanoseconds ClockCorrection()
{
    std::lock_guard lock(clockLock);
    return correction;
}

void InstallMachineClockSetter(MachineClockSetter setter)
{
    std::lock_guard lock(clockLock);
    installedSetter = std::move(setter);
}

void InstallClockReporter(std::function<void(const std::string&)> reporter)
{
    std::lock_guard lock(clockLock);
    installedReporter = std::move(reporter);
}

void ResetClockCorrection()
{
    std::lock_guard lock(clockLock);
    correction = std::chrono::nanoseconds{0};
    reported = false;
}

}  // namespace platform
