#pragma once
// The system's requests that the program end: SIGTERM (a system shut-down, a logout, kill),
// SIGHUP (its terminal went) and SIGINT (Ctrl+C). Instead of ending on the spot, the program
// runs its own end on the main loop.

#include <functional>

namespace platform {

// From now on each of the three signals calls `handler` on the thread of the Qt application
// (the main thread), from its event loop. A signal the program was started with ignored (nohup)
// stays ignored. An empty handler gives the signals their default actions back.
void OnTerminationSignal(std::function<void()> handler);

}  // namespace platform
