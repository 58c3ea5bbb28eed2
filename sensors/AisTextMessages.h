#pragma once
// Received AIS text messages: kept in the info file with a header line and, when the AIS
// messages setting is on, opened in the target dialog. Main thread, under ComOutStateLock; the
// file and window work is queued for after the chunk (SensorNotices.h).

#include <cstdint>

// A text message of type 6 or 12 (addressed: taken only when `destination` is the own MMSI),
// 8 or 14 (broadcast) from station `source`. The record of the table whose AIS MMSI is the
// source becomes kind 4, or else the own AIS record kind 6; when AIS messages are shown it
// becomes the target dialog's record (ShownTarget) and the dialog opens its messages.
void ShowAisTextMessage(uint32_t source, uint32_t destination, uint32_t type, const char* text);
