#include "sensors/AisSendSentences.h"

#include "sensors/AisOutgoingText.h"
#include "sensors/OutputSentences.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr size_t SingleSentencePart = 48;
constexpr size_t TwoSentenceLimit = 108;
constexpr size_t ThreePartFirst = 42;
constexpr size_t ThreePartSecond = 54;
constexpr int32_t BinaryFillBits = 2;
constexpr uint8_t BinaryMarker = 26;
constexpr uint8_t BinaryTextMarker = 40;  // 1010 followed by the first character's top bits

char Armour(uint8_t unit)
{
    return char(unit < 40 ? unit + 48 : unit + 56);
}

uint8_t SixBit(char c)
{
    return uint8_t(c) & 63;
}

// Header of sentence `number` of `count` with an empty payload: the payload goes between it and
// the fill bits.
std::string SentenceHead(const AisTextMessage& m, int32_t count, int32_t number)
{
    char head[64];
    const char* name = m.broadcast ? "!AIBBM" : "!AIABM";
    if (number > 1)
        std::snprintf(head, sizeof head, "%s,%d,%d,%d,,,%s", name, count, number, m.sequenceId,
                      m.broadcast ? "" : ",");
    else if (m.broadcast)
        std::snprintf(head, sizeof head, "%s,%d,1,%d,%d,%d,", name, count, m.sequenceId,
                      m.channel, AisTextMessageId(true, m.safety));
    else
        std::snprintf(head, sizeof head, "%s,%d,1,%d,%u,%d,%d,", name, count, m.sequenceId,
                      unsigned(m.destination), m.channel, AisTextMessageId(false, m.safety));
    return head;
}

// Payload characters that fit into sentence `number` beside its fields (",f*hh\r\n" follow).
size_t Capacity(const AisTextMessage& m, int32_t number)
{
    const size_t fixed = SentenceHead(m, 9, number).size() + std::string_view(",0*hh\r\n").size();
    return NmeaSentenceLimit - fixed;
}

std::vector<size_t> PartSizes(const AisTextMessage& m, size_t length)
{
    std::vector<size_t> planned;
    if (length <= SingleSentencePart)
        planned = {length};
    else if (length <= TwoSentenceLimit)
        planned = {SingleSentencePart, length - SingleSentencePart};
    else
        planned = {ThreePartFirst, ThreePartSecond, length - ThreePartFirst - ThreePartSecond};
    std::vector<size_t> parts;
    size_t carry = 0;
    for (const size_t size : planned) {
        const size_t wanted = size + carry;
        const size_t taken = std::min(wanted, Capacity(m, int32_t(parts.size()) + 1));
        parts.push_back(taken);
        carry = wanted - taken;
    }
    while (carry > 0) {
        const size_t taken = std::min(carry, Capacity(m, int32_t(parts.size()) + 1));
        parts.push_back(taken);
        carry -= taken;
    }
    return parts;
}

std::string WithChecksum(std::string sentence)
{
    AppendNmeaChecksum(sentence);
    return sentence;
}

}  // namespace

AisTextPayload BuildAisTextPayload(std::string_view text, bool safety, uint32_t mid)
{
    AisTextPayload payload;
    if (safety) {
        for (const char c : text)
            payload.armoured += Armour(SixBit(c));
        return payload;
    }
    payload.armoured += Armour(BinaryMarker);
    payload.armoured += Armour(uint8_t(mid >> 6 & 63));
    payload.armoured += Armour(uint8_t(mid & 63));
    payload.armoured += Armour(0);
    if (text.empty())
        return payload;
    payload.armoured += Armour(uint8_t(BinaryTextMarker | SixBit(text[0]) >> 4));
    for (size_t i = 1; i < text.size(); ++i)
        payload.armoured += Armour(uint8_t((SixBit(text[i - 1]) & 15) << 2 | SixBit(text[i]) >> 4));
    payload.armoured += Armour(uint8_t((SixBit(text.back()) & 15) << 2));
    payload.fillBits = BinaryFillBits;
    return payload;
}

int32_t AisTextMessageId(bool broadcast, bool safety)
{
    if (broadcast)
        return safety ? 14 : 8;
    return safety ? 12 : 6;
}

std::vector<std::string> BuildAisTextSentences(const AisTextMessage& message)
{
    const AisTextPayload payload = BuildAisTextPayload(message.text, message.safety, message.mid);
    const std::vector<size_t> parts = PartSizes(message, payload.armoured.size());
    const int32_t count = int32_t(parts.size());
    std::vector<std::string> sentences;
    size_t at = 0;
    for (int32_t number = 1; number <= count; ++number) {
        const size_t size = parts[size_t(number - 1)];
        const int32_t fill = number == count ? payload.fillBits : 0;
        sentences.push_back(WithChecksum(SentenceHead(message, count, number) +
                                         payload.armoured.substr(at, size) + ',' +
                                         std::to_string(fill)));
        at += size;
    }
    return sentences;
}

std::string BuildAisAcknowledgement(int32_t alarm)
{
    return WithChecksum("$AIACK," + std::to_string(alarm));
}

std::string BuildVoyageSentence(const VoyageEntry& e)
{
    constexpr int32_t MaximumDraughtTenths = 255;
    constexpr int32_t MaximumPersons = 8191;
    int32_t hour = std::clamp(e.hour, 0, 24);
    int32_t minute = std::clamp(e.minute, 0, 59);
    if (hour > 23) {
        hour = 23;
        minute = 59;
    }
    const int32_t draught = std::clamp(e.draughtTenths, 0, MaximumDraughtTenths);
    char sentence[128];
    std::snprintf(sentence, sizeof sentence, "$AIVSD,%d,%d.%d,%d,%s,%02d%02d00,%d,%d,%d,",
                  e.shipType, draught / 10, draught % 10, std::clamp(e.persons, 0, MaximumPersons),
                  FilterAisText(e.destination, AisDestinationLimit).c_str(), hour, minute, std::clamp(e.day, 0, 31),
                  std::clamp(e.month, 0, 12), e.navigationStatus);
    return WithChecksum(sentence);
}
