#pragma once
// The electronic bearing line and variable range marker of the bearing tool: a line between two
// chart points with a range ring around the first. Without an origin of its own it runs from
// the own ship to the cursor (or to a fixed second point); with one, from that origin to the
// cursor (or back to the own ship). A cross bearing typed into edCross turns the line from the
// origin onto that bearing's reciprocal, the cursor giving only its length.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <string_view>

struct ChartWindow;
class QPainter;
class TForm1;

// A cross bearing as typed: whole degrees 1..360, or 0 for none (empty, zero, or anything but
// digits among its first three characters). Above 360 there is none and the entry is to be
// cleared.
struct CrossBearingEntry {
    int32_t degrees = 0;
    bool clearEntry = false;
};
CrossBearingEntry ReadCrossBearing(std::string_view text);

struct BearingLineEnds {
    cmgbase::GeoPoint from{};  // the ring's centre
    cmgbase::GeoPoint to{};
};

// The ends of the bearing line from the chart cursor's state and edCross (cleared when it holds
// a bearing above 360).
BearingLineEnds PlaceBearingLine(TForm1& form);

// The line and, below chart level 16, the range ring; adds what it drew to the painted area.
void DrawBearingLine(ChartWindow& window, QPainter& canvas, const BearingLineEnds& ends);
