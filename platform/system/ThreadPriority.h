#pragma once
// Thread priorities on Linux.

#include <thread>

namespace platform {

// Puts `thread` at the lowest priority a thread gets without privileges: the idle scheduling
// policy, under which it runs only on processor time no other thread of normal priority wants
// (the lowest priority of the Windows thread classes). Taking it needs no privilege; only
// leaving it does. False when the system refused.
bool RunAtLowestPriority(std::thread& thread);

// True while `thread` runs under the idle scheduling policy.
bool RunsAtLowestPriority(std::thread& thread);

}  // namespace platform
