#pragma once
// Event marks: a quick mark dropped at the own ship by EventMarkBtn, by the alarm port's contact
// (the one-second tick, with no sender) and by the automatic soundings of the 100 ms tick.

#include "platform/geodesy/GeoTypes.h"
#include "userdata/QuickMarks.h"

#include <cstdint>
#include <optional>

class TForm1;

// The current symbol of a sounding: a depth mark that carries the depth. Its mark is placed at
// the last sounding.
inline constexpr uint8_t DepthMarkSymbol = SoundingMarkCode;

// The box that says why no mark was dropped while a replay is shown.
inline constexpr const char* ReplayMarkRefusal =
    "No mark is dropped while a replay is shown: the own position is a recorded one.";

// What an event mark hands to the quick-mark store (AddQuickMark): the code, the colour and the
// chart point; the mark is stored at once with the own ship's depth and the clock's time. While
// replay mode is on no mark is dropped (the own position is a replayed one): a mark asked for by
// the user or the alarm contact is refused with a message, an automatic sounding silently.
struct QuickMarkRequest {
    int32_t code = 0;
    int32_t colour = 0;
    cmgbase::GeoPoint at{};

    bool operator==(const QuickMarkRequest&) const = default;
};

// An event mark of `symbol` (a mark key's code); the current symbol stays as it was. None while
// no own position is known.
std::optional<QuickMarkRequest> DropMarkOfSymbol(TForm1& form, uint8_t symbol);

// An automatic sounding: a depth mark at the own ship, which becomes the last sounding; the
// current symbol stays as it was. The mark is the symbol's own (code 116), not the timers' event
// mark, so that it holds the depth. None while no own position is known.
std::optional<QuickMarkRequest> DropDepthMark(TForm1& form);
