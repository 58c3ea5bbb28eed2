#pragma once
// What the user may type into an AIS text message and the own voyage destination: the six-bit
// AIS alphabet as upper-case ASCII 32..95, less the characters that NMEA 0183 reserves
// ("!", "$", "*", ",", "\", "^"), so that a typed text can never break the sentence it travels
// in. Pasted text passes the same filter as typed text.

#include <cstddef>
#include <string>
#include <string_view>

// The longest text message and the longest destination sent.
constexpr size_t AisTextLimit = 150;
constexpr size_t AisDestinationLimit = 20;

// The character as it goes into a message (letters upper-cased), or 0 when it may not.
char AisTextCharacter(char c);

// `text` with every character passed through AisTextCharacter, the refused ones dropped, cut
// at `limit` characters.
std::string FilterAisText(std::string_view text, size_t limit);
