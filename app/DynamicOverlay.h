#pragma once
// The dynamic overlay: what moves between two chart redraws (own ship, track, bearing line,
// rubber bands, targets, readouts), drawn on ChartWorkBitmap over the static picture. Each call
// first restores the rectangle the previous one drew from ChartBackBitmap, then asks CM93 to
// repaint only the union of the old and the new rectangle; the paint box shows ChartWorkBitmap
// in its paint events.

#include "app/BearingLine.h"
#include "userdata/TrackFix.h"

#include <optional>

class TForm1;

// The own ship as track recording takes it, from the own-ship state.
TrackFix OwnTrackFix();

// Feeds the range and bearing readout: the bearing line's ends while the bearing tool is on
// (returned), else from the own ship, or from the last placed point of a drawing, to the cursor.
std::optional<BearingLineEnds> FeedRangeBearing(TForm1& form);

// full: the 100 ms tick's call after a fix, which also samples the track and draws the heading
// line and the name of the object under the cursor; false draws the same picture again.
// Nothing until the start-up has finished, and nothing but the restore while an automatic zoom
// waits for its redraw.
void PaintDynamicOverlay(TForm1& form, bool full);
