#pragma once
// Joins the sentences of multi-sentence AIS messages. Every input port keeps one message being
// joined per sentence (VDM, VDO) and sequence id (0..9), so that messages of different ids,
// sentences or ports never mix. A sentence is taken only in order (k right after k - 1) and with
// the count and channel of the first; anything else discards the message being joined, and so
// does a join longer than AisPayloadCapacity.

#include "sensors/AisPayload.h"
#include "sensors/OwnShipState.h"

#include <array>
#include <cstdint>

enum class AisSource : uint8_t { Vdm, Vdo };

// The fields of one VDM / VDO sentence.
struct AisFragment {
    int32_t count = 0;        // sentences of the message, 1..9
    int32_t number = 0;       // this one, 1..count
    int32_t sequenceId = -1;  // 0..9 for a message of several sentences
    char channel = 0;         // 'A', 'B', ... as received
    const char* payload = "";
    int32_t payloadLength = 0;
    int32_t fillBits = 0;  // 0..5; the last sentence's count
};

constexpr int32_t AisMaxSentences = 9;
constexpr int32_t AisSequenceIds = 10;

// A message being joined.
struct AisJoin {
    int8_t count = 0;  // 0 while none is being joined
    int8_t next = 0;   // the number of the sentence expected next
    char channel = 0;
    int16_t length = 0;
    char text[AisPayloadCapacity];
};

struct AisAssemblyState {
    std::array<std::array<std::array<AisJoin, AisSequenceIds>, 2>, InputPortCount> joins{};
};

extern AisAssemblyState AisAssembly;

// Takes a sentence of `port` (0..12). True when it completed a message: `message` then holds the
// joined payload (valid until the next call) with the last sentence's fill bits. A sentence out
// of order or with a count or channel other than its first's discards the message being joined;
// a first sentence replaces one.
bool JoinAisFragment(int port, AisSource source, const AisFragment& fragment,
                     AisPayload& message);

// Drops the message being joined under `sequenceId` (a sentence of it was unreadable).
void DiscardAisJoin(int port, AisSource source, int32_t sequenceId);
