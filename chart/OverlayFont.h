#pragma once
// The font of the text the overlays write on the chart, chosen by the text-size setting (0..12):
// "SmallFonts" of size + 5 points for the small sizes 0..3, "MS Sans Serif" of size + 3 points
// from 4 on. The fonts keep these family names; the sans-serif faces installed here stand in for
// them.

#include <QFont>

#include <cstdint>

QFont ChartOverlayFont(int32_t textSize);
