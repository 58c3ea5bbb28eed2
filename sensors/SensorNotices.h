#pragma once
// Work raised while sentences are parsed that must not run under the output lock: notices (an
// unsuccessful AIS message), records for the user-object files and window work (AIS text
// messages, the target dialog). It is queued and done after the chunk is parsed, with no lock
// held, in the order it was queued, so neither the output thread nor the parser waits for the
// user or a file.

#include "platform/system/MessageBox.h"

#include <functional>

void QueueSensorNotice(platform::MessageBoxRequest request);

// Queues work for after the chunk.
void QueueSensorWork(std::function<void()> work);

// Does the queued work; notices go through SensorHook.showNotice (the message box service when
// unset).
void FlushSensorNotices();
