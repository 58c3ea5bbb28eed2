#pragma once
// Event marks: a quick mark dropped at the own ship by EventMarkBtn, by the alarm port's contact
// (the one-second tick, with no sender) and by the automatic soundings of the 100 ms tick.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <optional>

class TForm1;

// The quick-mark code of an event mark dropped by the timers: a mark of the symbol chosen on the
// symbol bar.
inline constexpr int32_t EventMarkCode = 999;
// The current symbol of a sounding: a depth mark that carries the depth. Its mark is placed at
// the last sounding.
inline constexpr uint8_t DepthMarkSymbol = 116;

// What an event mark hands to the quick-mark store: the code, the colour and the chart point.
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
