#pragma once
// Texts in the info file, key 7: (key id, kind).

#include "platform/isam/IsamStatus.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Key ids above this are AIS text messages (their times); below lie the objects' own texts.
constexpr int32_t AisMessageIdsAbove = 1000000000;
// How long AIS text messages are kept: 31 days.
constexpr uint32_t AisMessageKeepSeconds = 2678400;

// Kinds tried for AIS text messages of one second before the message is given up.
constexpr uint16_t MaxAisMessagesPerSecond = 100;

// Stores an AIS text message sent or received at `time` (seconds since 1970): key id the time,
// kind 0, or the next free kind when messages of the same second are stored already, so that
// none is lost. The text is cut at the info text maximum. Failures are reported
// (DatabaseReports.h).
platform::isam::Status AddAisTextMessage(uint32_t time, std::string_view text);

// The stored AIS text messages of times up to `now`, newest first, each its whole text. The info
// file is walked back from the end of `now`'s second while the key ids are AIS times; a message
// more than AisMessageKeepSeconds older than `now` is deleted on the way. Failures are
// reported.
std::vector<std::string> ReadAisTextMessages(uint32_t now);

// The text (id, kind) of an object (kind 0) or of a route waypoint (kind: the sequence of its
// point), whole as the info buffer holds it; none when there is none. A read failure is
// reported and gives none.
std::optional<std::string> ReadObjectText(int32_t id, uint16_t kind);

// Stores the text (id, kind), cut at the info text maximum: the text held there is rewritten,
// or the text added when none is; an empty text deletes the one held (an empty text is never
// stored). Failures are reported; returns the status of the last operation.
platform::isam::Status WriteObjectText(int32_t id, uint16_t kind, std::string_view text);
