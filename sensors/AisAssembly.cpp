#include "sensors/AisAssembly.h"

#include <cstring>

AisAssemblyState AisAssembly;

namespace {

AisJoin* JoinOf(int port, AisSource source, int32_t sequenceId)
{
    if (port < 0 || port >= InputPortCount || sequenceId < 0 || sequenceId >= AisSequenceIds)
        return nullptr;
    return &AisAssembly.joins[size_t(port)][size_t(source)][size_t(sequenceId)];
}

}  // namespace

bool JoinAisFragment(int port, AisSource source, const AisFragment& f, AisPayload& message)
{
    const bool counted = f.count >= 1 && f.count <= AisMaxSentences && f.number >= 1 &&
                         f.number <= f.count && f.payloadLength <= AisPayloadCapacity;
    if (counted && f.count == 1) {
        message = {f.payload, f.payloadLength, f.fillBits};
        return true;
    }
    AisJoin* join = JoinOf(port, source, f.sequenceId);
    if (join == nullptr)
        return false;
    if (!counted) {
        join->count = 0;
        return false;
    }
    if (f.number == 1) {
        join->count = int8_t(f.count);
        join->channel = f.channel;
        join->length = 0;
    } else if (join->count != f.count || join->next != f.number || join->channel != f.channel ||
               join->length + f.payloadLength > AisPayloadCapacity) {
        join->count = 0;
        return false;
    }
    std::memcpy(join->text + join->length, f.payload, size_t(f.payloadLength));
    join->length = int16_t(join->length + f.payloadLength);
    join->next = int8_t(f.number + 1);
    if (f.number < f.count)
        return false;
    join->count = 0;
    message = {join->text, join->length, f.fillBits};
    return true;
}

void DiscardAisJoin(int port, AisSource source, int32_t sequenceId)
{
    if (AisJoin* join = JoinOf(port, source, sequenceId))
        join->count = 0;
}
