#include "sensors/AisPayload.h"

#include <array>
#include <cstdlib>
#include <cstring>

namespace {

// Six-bit value + 1 of each armour character, 0 for the others.
constexpr std::array<uint8_t, 256> ArmourTable = [] {
    std::array<uint8_t, 256> table{};
    for (int c = 48; c <= 87; ++c)
        table[size_t(c)] = uint8_t(c - 48 + 1);
    for (int c = 96; c <= 119; ++c)
        table[size_t(c)] = uint8_t(c - 56 + 1);
    return table;
}();

uint32_t SixBitAt(const AisPayload& payload, int index)
{
    return index < payload.length ? AisCharToSixBit(payload.text[index]) : 0;
}

// Bit lengths below which a message is not taken: the layouts of M.1371. Message 5 is 424 bits,
// but many transmitters send only 420; what is missing reads as 0.
constexpr int32_t PositionReportBits = 168;
constexpr int32_t VoyageDataBits = 420;
constexpr int32_t StaticPartABits = 160;
constexpr int32_t StaticPartBBits = 168;
constexpr int32_t AddressedTextBits = 72;
constexpr int32_t BroadcastTextBits = 40;

// Text of `n` characters from message bit `firstBit` into `destination` (n + 1 bytes).
int32_t TextAt(const AisPayload& payload, char* destination, int firstBit, int n)
{
    return DecodeAisText(payload, destination, firstBit / 6, 5 - firstBit % 6, n);
}

}  // namespace

uint8_t AisCharToSixBit(char c)
{
    const uint8_t value = ArmourTable[uint8_t(c)];
    return value == 0 ? 0 : uint8_t(value - 1);
}

bool IsAisArmour(char c)
{
    return ArmourTable[uint8_t(c)] != 0;
}

uint32_t ExtractBits(uint32_t value, int highBit, int count)
{
    const uint32_t shifted = value >> (highBit + 1 - count);
    return count >= 32 ? shifted : shifted & ((uint32_t{1} << count) - 1);
}

uint32_t GetAisBits(const AisPayload& payload, int characterIndex, int bitInCharacter, int count)
{
    const int firstBits = bitInCharacter + 1;
    const uint32_t first = SixBitAt(payload, characterIndex);
    if (count <= firstBits)
        return ExtractBits(first, bitInCharacter, count);
    uint64_t bits = ExtractBits(first, bitInCharacter, firstBits);
    int have = firstBits;
    for (int index = characterIndex + 1; have < count; ++index, have += 6)
        bits = bits << 6 | SixBitAt(payload, index);
    return uint32_t(bits >> (have - count));
}

int32_t AisSignedBits(const AisPayload& payload, int firstBit, int count)
{
    const uint32_t bits = AisBits(payload, firstBit, count);
    const uint32_t sign = uint32_t{1} << (count - 1);
    return int32_t(int64_t(bits ^ sign) - int64_t(sign));
}

int32_t AisTextCharacters(const AisPayload& payload, int firstBit)
{
    const int32_t bits = payload.bitLength() - firstBit;
    return bits > 0 ? bits / 6 : 0;
}

int32_t DecodeAisText(const AisPayload& payload, char* destination, int characterIndex,
                      int bitInCharacter, int n)
{
    const int firstBit = 6 * characterIndex + 5 - bitInCharacter;
    int32_t length = 0;
    for (int k = 0; k < n; ++k) {
        const uint32_t value = AisBits(payload, firstBit + 6 * k, 6);
        destination[k] = char(value < 32 ? value + 64 : value);
        if (destination[k] != ' ' && destination[k] != '@')
            length = k + 1;
    }
    destination[length] = '\0';
    return length;
}

bool AisPositionAvailable(int32_t rawLongitude, int32_t rawLatitude)
{
    return std::abs(rawLongitude) <= 180 * AisUnitsPerDegree &&
           std::abs(rawLatitude) <= 90 * AisUnitsPerDegree;
}

bool DecodeAisPositionReport(const AisPayload& payload, AisDynamicBlock& report)
{
    // Where the fields common to both classes start; class B has no status and no rate of turn.
    struct Layout {
        int sog, accuracy, longitude, latitude, cog, heading, second;
    };
    static constexpr Layout ClassA{50, 60, 61, 89, 116, 128, 137};
    static constexpr Layout ClassB{46, 56, 57, 85, 112, 124, 133};
    const uint32_t type = AisMessageType(payload);
    const bool classA = type >= 1 && type <= 3;
    if (!(classA || type == 18) || payload.bitLength() < PositionReportBits)
        return false;
    const Layout& at = classA ? ClassA : ClassB;
    report = AisDynamicBlock{};
    report.mmsi = AisBits(payload, 8, 30);
    report.navigationStatus = classA ? uint8_t(AisBits(payload, 38, 4)) : AisClassBStatus;
    report.rateOfTurn = classA ? int8_t(AisSignedBits(payload, 42, 8)) : AisRateNotAvailable;
    report.sogTenths = uint16_t(AisBits(payload, at.sog, 10));
    report.positionAccuracy = uint8_t(AisBits(payload, at.accuracy, 1));
    report.rawLongitude = AisSignedBits(payload, at.longitude, 28);
    report.rawLatitude = AisSignedBits(payload, at.latitude, 27);
    report.cogTenths = uint16_t(AisBits(payload, at.cog, 12));
    report.trueHeading = uint16_t(AisBits(payload, at.heading, 9));
    report.reportSecond = uint8_t(AisBits(payload, at.second, 6));
    return true;
}

bool DecodeAisVoyageData(const AisPayload& payload, AisStaticBlock& block,
                         uint8_t& positionFixDevice)
{
    if (AisMessageType(payload) != 5 || payload.bitLength() < VoyageDataBits)
        return false;
    block = AisStaticBlock{};
    block.mmsi = AisBits(payload, 8, 30);
    block.imoNumber = AisBits(payload, 40, 30);
    TextAt(payload, block.callSign, 70, 7);
    TextAt(payload, block.name, 112, 20);
    block.shipType = uint8_t(AisBits(payload, 232, 8));
    block.dimensionA = uint16_t(AisBits(payload, 240, 9));
    block.dimensionB = uint16_t(AisBits(payload, 249, 9));
    block.dimensionC = uint8_t(AisBits(payload, 258, 6));
    block.dimensionD = uint8_t(AisBits(payload, 264, 6));
    positionFixDevice = uint8_t(AisBits(payload, 270, 4));
    block.etaMonth = uint8_t(AisBits(payload, 274, 4));
    block.etaDay = uint8_t(AisBits(payload, 278, 5));
    block.etaHour = uint8_t(AisBits(payload, 283, 5));
    block.etaMinute = uint8_t(AisBits(payload, 288, 6));
    if (block.etaMonth > 12 || block.etaHour > 24 || block.etaMinute > 60) {
        block.etaMonth = 0;
        block.etaDay = 0;
        block.etaHour = 24;
        block.etaMinute = 60;
    }
    block.draughtDecimetres = uint8_t(AisBits(payload, 294, 8));
    TextAt(payload, block.destination, 302, 20);
    block.dteFlag = AisBits(payload, 422, 1) != 0;
    return true;
}

int32_t DecodeAisStaticPart(const AisPayload& payload, AisStaticBlock& block)
{
    if (AisMessageType(payload) != 24 || payload.bitLength() < StaticPartABits)
        return 0;
    block = AisStaticBlock{};
    block.draughtDecimetres = 255;
    block.mmsi = AisBits(payload, 8, 30);
    switch (AisBits(payload, 38, 2)) {
    case 0:
        TextAt(payload, block.name, 40, 20);
        return 1;
    case 1: {
        if (payload.bitLength() < StaticPartBBits)
            return 0;
        static constexpr char classB[] = " AiS class B";
        block.shipType = uint8_t(AisBits(payload, 40, 8));
        const int32_t vendor = TextAt(payload, block.destination, 48, 7);
        std::memcpy(block.destination + vendor, classB, sizeof classB);
        TextAt(payload, block.callSign, 90, 7);
        block.dimensionA = uint16_t(AisBits(payload, 132, 9));
        block.dimensionB = uint16_t(AisBits(payload, 141, 9));
        block.dimensionC = uint8_t(AisBits(payload, 150, 6));
        block.dimensionD = uint8_t(AisBits(payload, 156, 6));
        return 2;
    }
    default:
        return 0;  // parts 2 and 3 are not defined
    }
}

bool DecodeAisSafetyText(const AisPayload& payload, AisSafetyText& message)
{
    const uint32_t type = AisMessageType(payload);
    int firstTextBit = 0;
    if (type == 12 && payload.bitLength() >= AddressedTextBits)
        firstTextBit = 72;
    else if (type == 14 && payload.bitLength() >= BroadcastTextBits)
        firstTextBit = 40;
    else
        return false;
    message.type = type;
    message.source = AisBits(payload, 8, 30);
    message.destination = type == 12 ? AisBits(payload, 40, 30) : 0;
    const int32_t characters = AisTextCharacters(payload, firstTextBit);
    TextAt(payload, message.text, firstTextBit,
           characters < AisTextCapacity ? characters : AisTextCapacity);
    return true;
}
