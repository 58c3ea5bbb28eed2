#pragma once
// What the AIS decoding asks of the layers above it: the info file of the user-object database
// and the target dialog. The frame fills these at start-up; an empty hook is skipped. All run on
// the main thread after the input chunk is parsed, with no lock held.

#include <cstdint>
#include <functional>
#include <string>

struct AisHooks {
    // Stores a received AIS text message in the info file: key id `time` (seconds since 1970),
    // the text its header line, a newline and the message.
    std::function<void(uint32_t time, const std::string& text)> storeTextMessage;
    // The target dialog, which now shows `record` (a target, or the own AIS record for a station
    // not in the table), opens its message list; `safety` checks its "Safety" choice.
    std::function<void(int32_t record, bool safety)> showTextMessage;
    // The own transponder's static data changed: the target dialog shows them again when it
    // shows the own AIS record.
    std::function<void()> ownStaticDataChanged;
};

extern AisHooks AisHook;
