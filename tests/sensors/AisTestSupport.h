#pragma once
// AIS messages for the sensor tests, built bit by bit as ITU-R M.1371 lays them out, and the
// VDM / VDO sentences that carry them.

#include "sensors/SensorRecord.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Message bits, most significant first.
class AisBitWriter {
public:
    // `width` bits of value (two's complement for negative values).
    AisBitWriter& put(int64_t value, int width);
    // Six-bit text of exactly `characters`, padded with at signs.
    AisBitWriter& text(std::string_view text, int characters);

    // The armoured payload and its fill bits.
    std::string armoured(int& fillBits) const;
    size_t size() const { return bits_.size(); }

private:
    std::vector<bool> bits_;
};

// A class A position report (types 1, 2, 3) or class B report (18); positions in 1/10000 minute.
struct PositionReport {
    int type = 1;
    uint32_t mmsi = 244000001;
    int status = 0;
    int rateOfTurn = 0;
    int sog = 120;
    int accuracy = 1;
    int64_t longitude = 6138000;  // 10.23 E
    int64_t latitude = 32682000;  // 54.47 N
    int cog = 2050;
    int heading = 204;
    int second = 30;
};
AisBitWriter Encode(const PositionReport& report);

struct VoyageData {
    uint32_t mmsi = 244000002;
    uint32_t imo = 9123456;
    std::string callSign = "PDAB";
    std::string name = "NORDIC STAR";
    int shipType = 70;
    int a = 100, b = 20, c = 8, d = 9;
    int positionFixDevice = 1;
    int month = 6, day = 10, hour = 14, minute = 30;
    int draught = 52;
    std::string destination = "KIEL";
    int dte = 0;
};
AisBitWriter Encode(const VoyageData& data);

// Message 24 part A (part 0) or B (part 1); parts 2 and 3 carry part B's fields.
struct StaticPart {
    uint32_t mmsi = 244000003;
    int part = 0;
    std::string name = "SY WAYFARER";
    int shipType = 37;
    std::string vendor = "SRT";
    int model = 1, serial = 4660;
    std::string callSign = "DB1234";
    int a = 8, b = 3, c = 2, d = 2;
};
AisBitWriter Encode(const StaticPart& part);

// Message 12 (with a destination) or 14 (without).
AisBitWriter SafetyText(uint32_t source, uint32_t destination, std::string_view text);
AisBitWriter SafetyText(uint32_t source, std::string_view text);

// The sentences of a message: "!AIVDM" or "!AIVDO", split after `split` payload characters,
// each with its checksum and CR LF.
std::vector<std::string> AisSentences(const AisBitWriter& message, char channel = 'A',
                                      std::string_view talker = "!AIVDM", int sequenceId = 1,
                                      size_t split = 60);
// The one sentence of a short message.
std::string AisSentence(const AisBitWriter& message, char channel = 'A',
                        std::string_view talker = "!AIVDM");

// The staging block filled with a pattern no decoded message leaves.
StagedAisTarget SentinelStaging();
bool SameBytes(const void* a, const void* b, size_t size);
