#pragma once
// The sentences the target dialog hands to the transponder: AIS text messages as "!AIBBM"
// (broadcast) and "!AIABM" (addressed), the alarm acknowledgement "$AIACK" and the own voyage
// data "$AIVSD". Pure functions; every sentence comes with its checksum and CR LF.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The longest sentence, CR LF included.
constexpr size_t NmeaSentenceLimit = 82;

// The six-bit payload of a text message and the fill bits of its last character.
struct AisTextPayload {
    std::string armoured;
    int32_t fillBits = 0;
};

// A text (upper-case ASCII 32..95, see AisOutgoingText.h) as the payload the sentences carry:
// - safety (messages 12 and 14): the text's six-bit characters, no fill bits;
// - binary (messages 6 and 8): the data of a binary message of the own MID: 26, the MID in two
//   units, 0, then the characters' six-bit values shifted by four bits behind the marker bits
//   1010; n characters give n + 5 units, the last with 2 fill bits.
AisTextPayload BuildAisTextPayload(std::string_view text, bool safety, uint32_t mid);

// The message id: 8 broadcast binary, 14 broadcast safety, 6 addressed binary, 12 addressed
// safety.
int32_t AisTextMessageId(bool broadcast, bool safety);

struct AisTextMessage {
    std::string_view text;
    bool safety = true;
    bool broadcast = true;
    uint32_t destination = 0;  // MMSI of an addressed message
    int32_t channel = 0;       // 0 any, 1 A, 2 B, 3 both
    uint32_t mid = 0;          // the own MMSI's first three digits
    int32_t sequenceId = 0;    // 0..3
};

// The payload's split into sentences: a payload of up to 48 characters in one, up to 108 in
// two (48 and the rest), longer ones in three (42, 54 and the rest); a part that would make
// its sentence longer than NmeaSentenceLimit gives its excess to the next.
std::vector<std::string> BuildAisTextSentences(const AisTextMessage& message);

// "$AIACK,<alarm>".
std::string BuildAisAcknowledgement(int32_t alarm);

// The own voyage data as entered; BuildVoyageSentence clamps the ETA (day up to 31, month up
// to 12, minute up to 59; an hour above 23 is 23:59), the draught to 0.0..25.5 m and the
// persons to 0..8191 (the AIS ranges), and filters the destination (AisOutgoingText.h).
struct VoyageEntry {
    int32_t shipType = 0;        // type code with its cargo category
    int32_t draughtTenths = 0;   // decimetres
    int32_t persons = 0;
    std::string destination;
    int32_t day = 0;
    int32_t month = 0;
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t navigationStatus = 0;
};

// "$AIVSD,type,draught,persons,destination,hhmm00,day,month,status,".
std::string BuildVoyageSentence(const VoyageEntry& entry);
