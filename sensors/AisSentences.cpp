// VDM (messages of other stations) and VDO (the own transponder's): the sentence fields, the
// joining of messages sent in several sentences, and the decoding of a complete message.

#include "sensors/AisAssembly.h"
#include "sensors/AisDecoding.h"
#include "sensors/OwnShipState.h"
#include "sensors/SentenceHandlers.h"

namespace {

// One field of the normalised line: [first, end).
struct Field {
    const char* first = nullptr;
    const char* end = nullptr;

    int32_t length() const { return int32_t(end - first); }
};

// The next field from `p` on (fields are separated by single blanks); false at the line's end.
bool NextField(const char*& p, Field& field)
{
    while (*p == ' ')
        ++p;
    if (*p == '\0')
        return false;
    field.first = p;
    while (*p != '\0' && *p != ' ')
        ++p;
    field.end = p;
    return true;
}

// A field of one digit from `low` to `high`, else -1.
int32_t Digit(const Field& field, char low, char high)
{
    const char c = *field.first;
    return field.length() == 1 && c >= low && c <= high ? c - '0' : -1;
}

// Reads "!??VDM count number sequence channel payload fill*hh". False for a sentence that does
// not have these fields (the sequence id is kept when it was read).
bool ReadAisFragment(const char* line, AisFragment& f)
{
    const char* p = line + 6;
    Field count, number, sequence, channel, payload, fill, extra;
    if (!NextField(p, count) || !NextField(p, number) || !NextField(p, sequence))
        return false;
    f.sequenceId = Digit(sequence, '0', '9');
    if (!NextField(p, channel) || !NextField(p, payload) || !NextField(p, fill) ||
        NextField(p, extra))
        return false;
    f.count = Digit(count, '1', '9');
    f.number = Digit(number, '1', '9');
    if (f.count < 0 || f.number < 0 || channel.length() != 1 || uint8_t(*channel.first) <= ' ')
        return false;
    f.channel = *channel.first;
    for (const char* c = payload.first; c != payload.end; ++c)
        if (!IsAisArmour(*c))
            return false;
    f.payload = payload.first;
    f.payloadLength = payload.length();
    // The fill bits are followed by the checksum.
    if (fill.length() < 2 || fill.first[1] != '*')
        return false;
    f.fillBits = Digit({fill.first, fill.first + 1}, '0', '5');
    return f.fillBits >= 0;
}

int32_t HandleAisSentence(const SentenceContext& s, AisSource source)
{
    // A corrupted AIS sentence could place a target anywhere: only checked sentences are taken
    // (the parser has dropped those whose checksum does not match).
    if (!s.checksumPresent)
        return 0;
    AisFragment fragment;
    if (!ReadAisFragment(s.line, fragment)) {
        DiscardAisJoin(s.port, source, fragment.sequenceId);
        return 0;
    }
    AisPayload message;
    if (!JoinAisFragment(s.port, source, fragment, message))
        return 0;
    if (source == AisSource::Vdo && OwnShip.aisReplyPort < 0)
        OwnShip.aisReplyPort = s.port;
    return DecodeAisPayload(s.port, source, message, fragment.channel);
}

}  // namespace

int32_t HandleVdm(const SentenceContext& s)
{
    return HandleAisSentence(s, AisSource::Vdm);
}

int32_t HandleVdo(const SentenceContext& s)
{
    return HandleAisSentence(s, AisSource::Vdo);
}
