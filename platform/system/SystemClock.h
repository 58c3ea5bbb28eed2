#pragma once
// The PC clock as the program sees it: the machine's UTC clock plus a correction the program
// keeps itself. Setting the clock tries the machine clock first when the program allows it (the
// program does at start-up; tests and tools do not, so a recorded date never reaches the machine
// even when they run as root); a program without the right to set it (the normal case on Linux)
// keeps the difference as its correction instead, so its own time still follows the GPS, and
// says so once.

#include <chrono>
#include <functional>
#include <string>

namespace platform {

using ClockTime = std::chrono::system_clock::time_point;

// The machine clock plus the kept correction.
ClockTime ClockNow();

// Sets the clock to `utc`: the machine clock when allowed, else the kept correction. True when
// the machine clock was set.
bool SetClock(ClockTime utc);

// Lets SetClock try the machine clock (off until called with true).
void AllowMachineClockSetting(bool allowed);

// The correction kept because the machine clock could not be set.
std::chrono::nanoseconds ClockCorrection();

// How the machine clock is set: returns 0 or an errno value. The default calls clock_settime;
// tests install their own so that they never touch the machine clock. nullptr restores it.
using MachineClockSetter = std::function<int(ClockTime utc)>;
void InstallMachineClockSetter(MachineClockSetter setter);

// Where the one-time report goes ("The PC clock cannot be set ..."); stderr when none is given.
void InstallClockReporter(std::function<void(const std::string&)> reporter);

// Forgets the correction and that the report was made (for tests).
void ResetClockCorrection();

}  // namespace platform
