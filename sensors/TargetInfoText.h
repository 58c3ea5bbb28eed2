#pragma once
// The texts of the target dialog's readouts and AIS panel, and the lists of its own-data panel.
// Texts are Windows-1252 (the degree sign is the byte 0xB0); the dialog converts them for Qt.

#include "sensors/TargetRecord.h"

#include <array>
#include <cstdint>
#include <string>

// Ship types ("code  name"), cargo categories and navigational statuses, in list order.
extern const std::array<const char*, 22> ShipTypeItems;
extern const std::array<const char*, 7> CargoItems;
extern const std::array<const char*, 10> NavigationStatusItems;

constexpr const char* NotAvailableText = "---";
constexpr const char* ReplayedTargetHeading = "Last recorded target info";

// Degrees as "%05.1f °" and a plain value as "%.1f" / "%.2f".
std::string DegreesText(float degrees);

// The item of ShipTypeItems for an AIS ship type: 20..29 the first, 30..39 and 50..59 their own
// items, 40..49 high speed craft, 60.., 70.., 80.. the passenger, cargo and tanker items, 90 and
// above "other"; -1 for the rest.
int32_t ShipTypeItem(uint8_t shipType);
// The code that ShipTypeItems[item] starts with.
int32_t ShipTypeCode(int32_t item);
// Whether the type of that item carries a cargo category in its last digit (wing-in-ground, high
// speed craft, passenger ships, cargo ships, tankers, other types).
bool ShipTypeCarriesCargo(int32_t item);
// The item of CargoItems for an AIS ship type: its last digit 0..6 when the type carries a
// cargo category, else -1.
int32_t CargoItem(uint8_t shipType);
// The item of NavigationStatusItems: statuses 0..8 their own, the rest the last ("---").
int32_t NavigationStatusItem(uint8_t status);

// "%d °" for a true heading, "---" at 360 and above (511: not available).
std::string TrueHeadingText(uint16_t heading);
// The rate of turn: "---" not available, "-- 0 --" none, "---->" / "<----" turning fast to
// starboard / port without a value, else (raw / 4.733)² degrees a minute with the sign of raw,
// "%.1f °/m." up to 10 and "%.0f °/m." above.
std::string RateOfTurnText(int8_t raw);
// "len:%d  brd:%d  drg:%0.1f m." (A + B, C + D, draught; a draught of 255 counts as 0), empty
// when all three are 0.
std::string ShipSizeText(const AisStaticBlock& block);
// "dd.mm  hh:mm": the date part while day and month are given, the time part while the hour is
// below 24 and the minute below 60; "---" when neither is.
std::string EtaText(const AisStaticBlock& block);
// The second of the report: "%02d s", "---" at 60 and above (not available).
std::string ReportSecondText(uint8_t second);
// A fixed text field of a record, up to its first NUL.
std::string FieldText(const char* field, size_t size);
