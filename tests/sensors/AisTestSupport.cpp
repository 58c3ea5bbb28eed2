#include "sensors/AisTestSupport.h"

#include "sensors/SensorTestSupport.h"

#include <cstring>

AisBitWriter& AisBitWriter::put(int64_t value, int width)
{
    for (int i = width - 1; i >= 0; --i)
        bits_.push_back(i < 64 && ((uint64_t(value) >> i) & 1) != 0);
    return *this;
}

AisBitWriter& AisBitWriter::text(std::string_view text, int characters)
{
    for (int i = 0; i < characters; ++i) {
        const int c = i < int(text.size()) ? text[size_t(i)] : '@';
        put(c >= 64 ? c - 64 : c, 6);
    }
    return *this;
}

std::string AisBitWriter::armoured(int& fillBits) const
{
    fillBits = int((6 - bits_.size() % 6) % 6);
    std::string text;
    for (size_t i = 0; i < bits_.size(); i += 6) {
        int value = 0;
        for (size_t k = i; k < i + 6; ++k)
            value = value << 1 | (k < bits_.size() && bits_[k] ? 1 : 0);
        text += char(value < 40 ? value + 48 : value + 56);
    }
    return text;
}

AisBitWriter Encode(const PositionReport& r)
{
    AisBitWriter w;
    w.put(r.type, 6).put(0, 2).put(r.mmsi, 30);
    if (r.type == 18) {
        w.put(0, 8).put(r.sog, 10).put(r.accuracy, 1).put(r.longitude, 28).put(r.latitude, 27);
        w.put(r.cog, 12).put(r.heading, 9).put(r.second, 6).put(0, 2).put(0x7C, 7).put(0, 20);
        return w;
    }
    w.put(r.status, 4).put(r.rateOfTurn, 8).put(r.sog, 10).put(r.accuracy, 1);
    w.put(r.longitude, 28).put(r.latitude, 27).put(r.cog, 12).put(r.heading, 9);
    return w.put(r.second, 6).put(0, 2).put(0, 3).put(0, 1).put(0, 19);
}

AisBitWriter Encode(const VoyageData& v)
{
    AisBitWriter w;
    w.put(5, 6).put(0, 2).put(v.mmsi, 30).put(0, 2).put(v.imo, 30).text(v.callSign, 7);
    w.text(v.name, 20).put(v.shipType, 8).put(v.a, 9).put(v.b, 9).put(v.c, 6).put(v.d, 6);
    w.put(v.positionFixDevice, 4).put(v.month, 4).put(v.day, 5).put(v.hour, 5).put(v.minute, 6);
    return w.put(v.draught, 8).text(v.destination, 20).put(v.dte, 1).put(0, 1);
}

AisBitWriter Encode(const StaticPart& p)
{
    AisBitWriter w;
    w.put(24, 6).put(0, 2).put(p.mmsi, 30).put(p.part, 2);
    if (p.part == 0)
        return w.text(p.name, 20);
    w.put(p.shipType, 8).text(p.vendor, 3).put(p.model, 4).put(p.serial, 20).text(p.callSign, 7);
    return w.put(p.a, 9).put(p.b, 9).put(p.c, 6).put(p.d, 6).put(1, 4).put(0, 2);
}

AisBitWriter SafetyText(uint32_t source, uint32_t destination, std::string_view text)
{
    AisBitWriter w;
    w.put(12, 6).put(0, 2).put(source, 30).put(0, 2).put(destination, 30).put(0, 2);
    return w.text(text, int(text.size()));
}

AisBitWriter SafetyText(uint32_t source, std::string_view text)
{
    AisBitWriter w;
    w.put(14, 6).put(0, 2).put(source, 30).put(0, 2);
    return w.text(text, int(text.size()));
}

std::vector<std::string> AisSentences(const AisBitWriter& message, char channel,
                                      std::string_view talker, int sequenceId, size_t split)
{
    int fill = 0;
    const std::string payload = message.armoured(fill);
    const size_t count = (payload.size() + split - 1) / split;
    std::vector<std::string> sentences;
    for (size_t n = 0; n < count; ++n) {
        const bool last = n + 1 == count;
        std::string body = std::string(talker) + "," + std::to_string(count) + "," +
                           std::to_string(n + 1) + "," +
                           (count > 1 ? std::to_string(sequenceId) : "") + "," + channel + "," +
                           payload.substr(n * split, split) + "," + std::to_string(last ? fill : 0);
        sentences.push_back(Nmea(body));
    }
    return sentences;
}

std::string AisSentence(const AisBitWriter& message, char channel, std::string_view talker)
{
    return AisSentences(message, channel, talker, 0, 1000).front();
}

StagedAisTarget SentinelStaging()
{
    StagedAisTarget block;
    std::memset(static_cast<void*>(&block), 0xA5, sizeof block);
    return block;
}

bool SameBytes(const void* a, const void* b, size_t size)
{
    return std::memcmp(a, b, size) == 0;
}
