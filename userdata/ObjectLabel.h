#pragma once
// The text of a stored object's label on the chart, or of a route waypoint's number, and how it
// is written. Names and texts are Windows-1252.

#include "userdata/UserRecords.h"

#include <cstdint>
#include <string>

// Waypoint numbers of the selected waypoint come with this added.
constexpr int32_t SelectedWaypointMark = 1000;

struct ObjectLabel {
    std::string text;  // nothing is written when empty
    // Written as plain text in the object's colour, 13 pixels left of the label's point (its
    // leading "+" then marks the object); otherwise a label box.
    bool plain = false;
    // The selected waypoint's number: its box in user colour 1.
    bool selected = false;
};

struct ObjectLabelOptions {
    bool depthMarks = false;     // depth marks and "/" names written as soundings
    bool symbolEditing = false;  // symbols are being placed or moved: names as stored
};

// The label of `object`, or with `number` 0 or more the waypoint number `number` (the selected
// waypoint's plus SelectedWaypointMark). An object's name is its text: none for a track while
// track names are off; a symbol's name beginning with "/" starts with "+" instead, and one
// beginning with "@" is its depth (value x 0.1 x depth factor) after a "+", unless symbols are
// being edited or depth marks are off. Without a text a track (track dates on) or a symbol
// (symbol dates on) shows its time, "%02d/%02d-%02d %02d:%02d" of the local day, month, year,
// hour and minute. An object with a text of its own in the info file gets " (+)" after its
// label, or "+" alone when it has none.
ObjectLabel ObjectLabelText(const IdRecord& object, int32_t number, const ObjectLabelOptions& options);
