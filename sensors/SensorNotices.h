#pragma once
// Notices raised while sentences are parsed (an unsuccessful AIS message). They are queued and
// shown after the chunk is parsed, with no lock held, so neither the output thread nor the parser
// waits for the user.

#include "platform/system/MessageBox.h"

#include <vector>

void QueueSensorNotice(platform::MessageBoxRequest request);

// Shows the queued notices through SensorHook.showNotice (the message box service when unset).
void FlushSensorNotices();
