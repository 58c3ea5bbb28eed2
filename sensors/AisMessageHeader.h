#pragma once
// The header line of an AIS text message in the info file, sent or received: one fixed layout,
// the same in every locale, written and read only here:
//
//     dd.mm.yyyy  hh:mm:ss  MMSI  kind[  name]
//
// date and time local, the MMSI as nine digits (the station that sent a received message, the
// one a sent message went to, 000000000 for a broadcast), the kind ("Addr.", "Broadc.",
// "Ad.Safe", "Bd.Safe" received, "Tx", "Tx Safe" sent), and for a sent message the addressee's
// label. Fields are separated by two blanks; the message text follows on the next line.

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

struct AisMessageHeader {
    std::tm time{};  // local; year, month, day, hour, minute and second are used
    uint32_t mmsi = 0;
    std::string kind;
    std::string name;

    friend bool operator==(const AisMessageHeader&, const AisMessageHeader&);
};

// The kind of a received message of type 6, 8, 12 or 14; empty for other types.
const char* AisMessageKindLabel(uint32_t type);

std::string FormatAisMessageHeader(const AisMessageHeader& header);

// Reads the header line of a stored message (the text up to its first newline). False when the
// line does not have the layout above.
bool ParseAisMessageHeader(std::string_view text, AisMessageHeader& header);
