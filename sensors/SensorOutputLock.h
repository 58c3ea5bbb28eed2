#pragma once
// The one lock between the main thread and the output thread: held by the main thread while a
// sentence handler writes the own-ship state and by the output thread while it builds its
// sentences from it.

#include <mutex>

extern std::mutex SensorOutputLock;
