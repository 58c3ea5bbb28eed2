#pragma once
// Texts in the info file, key 7: (key id, kind).

#include "platform/isam/IsamStatus.h"

#include <cstdint>
#include <string_view>

// Kinds tried for AIS text messages of one second before the message is given up.
constexpr uint16_t MaxAisMessagesPerSecond = 100;

// Stores an AIS text message sent or received at `time` (seconds since 1970): key id the time,
// kind 0, or the next free kind when messages of the same second are stored already, so that
// none is lost. The text is cut at the info text maximum. Failures are reported
// (DatabaseReports.h).
platform::isam::Status AddAisTextMessage(uint32_t time, std::string_view text);
