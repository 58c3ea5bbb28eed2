#pragma once
// The six-bit payload of an AIS message (ITU-R M.1371) as VDM and VDO sentences carry it: the
// armour, bit fields, six-bit text, and the message types the program takes: position reports
// 1, 2, 3 and 18, static and voyage data 5, class B static data 24, safety texts 12 and 14.
// Pure functions: nothing here reads or writes the own-ship state or the target table.

#include "sensors/TargetRecord.h"

#include <cstdint>

// Characters of a joined message kept at most (1200 bits; the longest message has 1008).
constexpr int32_t AisPayloadCapacity = 200;

// A payload: its armoured characters and the fill bits of its last sentence (0..5).
struct AisPayload {
    const char* text = "";
    int32_t length = 0;
    int32_t fillBits = 0;

    int32_t bitLength() const { return 6 * length - fillBits; }
};

// 0..63 for a character of the armour ('0'..'W' and '`'..'w'), 0 for any other.
uint8_t AisCharToSixBit(char c);
bool IsAisArmour(char c);

// The `count` bits of `value` that end at `highBit` (bit 0 the least significant).
uint32_t ExtractBits(uint32_t value, int highBit, int count);

// `count` (1..32) bits from bit `bitInCharacter` (5 the most significant of a character, 0 the
// least) of payload character `characterIndex` on. Characters past the end read as 0.
uint32_t GetAisBits(const AisPayload& payload, int characterIndex, int bitInCharacter, int count);

// `count` bits from message bit `firstBit` on (bit 0 the first of the message).
inline uint32_t AisBits(const AisPayload& payload, int firstBit, int count)
{
    return GetAisBits(payload, firstBit / 6, 5 - firstBit % 6, count);
}

// The same bits as a two's complement number: the top bit gives the sign.
int32_t AisSignedBits(const AisPayload& payload, int firstBit, int count);

// The message type: the first character's six bits.
inline uint32_t AisMessageType(const AisPayload& payload)
{
    return payload.length > 0 ? AisCharToSixBit(payload.text[0]) : 0;
}

// The six-bit characters that fit between message bit `firstBit` and the end of the payload's
// bits (fill bits excluded); 0 when none do.
int32_t AisTextCharacters(const AisPayload& payload, int firstBit);

// `n` six-bit characters from the given position on as ASCII (values below 32 are the at sign,
// 'A'..'Z' and the five signs after them; 32..63 stay), trailing blanks and at signs removed.
// `destination` holds n + 1 bytes; returns the length of the text.
int32_t DecodeAisText(const AisPayload& payload, char* destination, int characterIndex,
                      int bitInCharacter, int n);

// Raw positions are in 1/10000 minute; 181 degrees of longitude and 91 of latitude mean "not
// available", anything beyond 180 / 90 is not a position.
constexpr int32_t AisUnitsPerDegree = 600000;
bool AisPositionAvailable(int32_t rawLongitude, int32_t rawLatitude);

// Values that mean "not available".
constexpr uint16_t AisSogNotAvailable = 1023;   // tenths of a knot
constexpr uint16_t AisCogNotAvailable = 3600;   // tenths of a degree
constexpr uint16_t AisHeadingNotAvailable = 511;
constexpr int8_t AisRateNotAvailable = -128;
// Class B reports carry no navigation status; the program marks them with this one.
constexpr uint8_t AisClassBStatus = 9;

// Position reports: types 1, 2, 3 (class A) and 18 (class B) into the dynamic block (the
// channel and the chart position are left to the caller). False for another type and for a
// payload shorter than the report.
bool DecodeAisPositionReport(const AisPayload& payload, AisDynamicBlock& report);

// Type 5 into the static block (the name included) and the type of position-fix device, which
// the block has no field for. An ETA out of range (month above 12, hour above 24, minute above
// 60) is stored as not available (0, 0, 24, 60). False for another type and for a payload
// shorter than the message.
bool DecodeAisVoyageData(const AisPayload& payload, AisStaticBlock& block,
                         uint8_t& positionFixDevice);

// Type 24 into a cleared static block with draught 255 (not available). Part A gives the name,
// part B ship type, vendor id (followed by " AiS class B", in the destination), call sign and
// dimensions. Returns AisPartA (1), AisPartB (2), or 0 when the payload is not a type 24 part A
// or B or is shorter than its part.
int32_t DecodeAisStaticPart(const AisPayload& payload, AisStaticBlock& block);

// Types 12 (addressed safety text) and 14 (broadcast safety text); destination 0 for 14.
constexpr int32_t AisTextCapacity = AisPayloadCapacity;
struct AisSafetyText {
    uint32_t type = 0;
    uint32_t source = 0;
    uint32_t destination = 0;
    char text[AisTextCapacity + 1] = {};
};
bool DecodeAisSafetyText(const AisPayload& payload, AisSafetyText& message);
