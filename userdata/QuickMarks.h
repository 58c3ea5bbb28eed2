#pragma once
// Quick marks: a SYMBOL object dropped with one key, button or contact at a chart point and
// stored at once (event marks, depth marks, the man-overboard mark). Main thread only.
//
// The code says what is stored: a mark key's code is translated (Q and F5 a depth mark named
// "@" and the depth, F6 .. F11 fixed symbols, F12 the red man-overboard mark "M.O.B."), the
// event-mark code takes the symbol chosen on the symbol bar, and any other code is the symbol
// number itself.

#include "platform/geodesy/GeoTypes.h"
#include "platform/isam/IsamStatus.h"
#include "userdata/UserRecords.h"

#include <cstdint>
#include <optional>

inline constexpr int32_t DepthMarkKeyCode = 81;       // Q: a depth mark in the colour passed
inline constexpr int32_t SoundingMarkCode = 116;      // F5 and the automatic soundings
inline constexpr int32_t ManOverboardCode = 123;      // F12
inline constexpr int32_t EventMarkCode = 999;         // the symbol chosen on the symbol bar
inline constexpr const char* ManOverboardName = "M.O.B.";

// What a code stores.
struct QuickMarkKind {
    enum class Name { None, Depth, ManOverboard };
    uint16_t symbol = 0;
    std::optional<uint16_t> colour;  // the table's own colour; none: the colour passed
    Name name = Name::None;
    bool translated = false;         // the code is no symbol number of its own
};

QuickMarkKind QuickMarkKindOf(int32_t code, uint16_t barSymbol);

struct QuickMark {
    int32_t code = 0;
    int32_t colour = 0;      // the colour passed
    cmgbase::GeoPoint at{};  // where the mark goes
    float depth = 0.0f;      // metres, the sounder's current reading
    uint32_t time = 0;
    uint16_t barSymbol = 0;  // the symbol chosen on the symbol bar, for EventMarkCode
    // Dropped by the alarm port's contact: nobody is at the keyboard to describe it.
    bool byContact = false;
};

// The record a mark is stored with: type SYMBOL, the position in stored units, time, colour,
// symbol and name by the code, and the depth in 0.1 m held to 0..65535 (a depth that is not a
// number, or negative, is 0; the "@" name shows the same depth). The id is left 0.
IdRecord QuickMarkRecord(const QuickMark& mark);

// Stores the mark as a new object of the symbol range through AddIdRecord (a second mark at the
// same position goes one unit of longitude further east); `stored` receives the record as
// stored. With the option to describe new marks on, a mark of an untranslated code that was not
// dropped by the contact is offered for naming in the information dialog. A man-overboard mark
// that cannot be stored (database closed, disk full, no free position) is reported at once in a
// message box giving its position; other failures are reported as every record failure is.
platform::isam::Status AddQuickMark(const QuickMark& mark, IdRecord& stored);
