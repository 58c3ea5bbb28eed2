#pragma once
// The one path by which the program is told to end (a fatal message, the shut-down dialog).
// By default it asks the Qt application to quit; tests install a handler and observe the call.

#include <functional>

namespace platform {

void RequestProgramEnd();

// Replaces the action of RequestProgramEnd; an empty function restores the default.
void SetProgramEndHandler(std::function<void()> handler);

}  // namespace platform
