#pragma once
// One AIS, ARPA or sonar target over the main chart, drawn by the dynamic overlay on
// ChartWorkBitmap: its symbol, vector, the rest of its track, its label and CPA marks. Its CPA
// and TCPA are computed here into the target record.

#include <cstdint>

class QPainter;
class TForm1;

void PaintTargets(TForm1& form, QPainter& canvas, int32_t index);
