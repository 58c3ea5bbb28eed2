#pragma once
// One AIS, ARPA or sonar target over the main chart, drawn by the dynamic overlay on
// ChartWorkBitmap: its symbol, vector, the rest of its track, its label and CPA marks. Its CPA
// and TCPA are computed here into the target record.

#include "platform/geodesy/GeoTypes.h"
#include "sensors/TargetRecord.h"

#include <cstdint>

class QPainter;
class TForm1;

// Where the target is shown at `now` (seconds since 1970): its reported position run on along
// its course at its speed for the seconds since the report (SecondsSinceReport; a speed below 0,
// none known, runs nowhere). The painter, the 100 ms tick and the ageing all place targets so.
cmgbase::GeoPoint ShownTargetPosition(const TargetRecord& target, int64_t now);

// Draws target index (0..1999) of the TargetTable with canvas on form.ChartWorkBitmap; its
// screen point is taken anew on the main view first. Everything drawn grows the painted area.
void PaintTargets(TForm1& form, QPainter& canvas, int32_t index);
