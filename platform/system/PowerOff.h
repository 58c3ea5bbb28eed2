#pragma once
// Switching the computer off. The request runs a command, by default the login manager's
// ordinary power-off, which ends every program in order (each may still save its work); never a
// forced one. Tests install a handler, so that no test ever runs the command.

#include <functional>
#include <string>

namespace platform {

// The command when the configuration names none.
inline constexpr const char* DefaultPowerOffCommand = "systemctl poweroff";

// Runs command (split as ChildProcess splits it) in a session of its own and returns at once;
// an empty command does nothing. A command that cannot be started is ignored: the program ends
// either way.
void RequestPowerOff(const std::string& command);

// Replaces what RequestPowerOff does with a non-empty command; an empty function restores
// running it.
void SetPowerOffHandler(std::function<void(const std::string& command)> handler);

}  // namespace platform
