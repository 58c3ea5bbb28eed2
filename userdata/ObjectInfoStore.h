#pragma once
// What the information dialog stores when it closes: the object's new name (a depth mark's
// depth with it), the guard-zone colour of a line, and the object's information text. Main
// thread only.

#include "userdata/UserRecords.h"

#include <cstdint>
#include <optional>
#include <string>

// Characters of a name that a record holds.
constexpr size_t ObjectNameMaximum = sizeof(IdRecord::name) - 1;
// The colour of a depth mark (black) and of a line that is an AIS guard zone, and what a guard
// zone becomes when it is one no more.
constexpr uint16_t DepthMarkColour = 6;
constexpr uint16_t GuardZoneColour = 7;
constexpr uint16_t FormerGuardZoneColour = 1;

// The value of a depth mark named "@<depth>": the depth (in the depth unit of the settings) in
// 0.1 m, held to 0..65535 (a number that is none, or negative, is 0).
uint16_t DepthMarkValue(std::string_view name, float depthFactor);

// The changes, texts in Windows-1252.
struct ObjectInfoChange {
    std::optional<std::string> name;  // the name was edited: the new one
    std::optional<bool> guardZone;    // a LINE: whether it is to be an AIS guard zone
    std::optional<std::string> text;  // the information text was edited: the new one
    // The text's kind: 0 for the object's own text, the point's sequence for a route waypoint;
    // none when what is shown has no text of its own.
    std::optional<uint16_t> textKind;
};

struct ObjectInfoStored {
    IdRecord object;             // the object as it now is (as shown when it was not rewritten)
    bool colourChanged = false;  // the chart is to be drawn again
    std::string text;            // the text as stored, cut at the info text maximum
};

// Stores the changes into the records of `shown`:
// - with a new name, or a line's guard-zone choice that its colour does not match, the object's
//   record is read (type and id) and rewritten: the name is its first ObjectNameMaximum
//   characters; a SYMBOL named "@<depth>" becomes a depth mark (the depth in its value, colour
//   DepthMarkColour, icon 0); a guard zone takes GuardZoneColour, a line that is one no more
//   FormerGuardZoneColour. An object no longer stored is passed over;
// - a new text is cut at the info text maximum and stored as the text (id, kind): added,
//   rewritten, or deleted when empty.
// Failures are reported (DatabaseReports.h).
ObjectInfoStored StoreObjectInfo(const IdRecord& shown, const ObjectInfoChange& change);
