#pragma once
// The dynamic overlay: what moves between two chart redraws (own ship, track, bearing line,
// rubber bands, targets, readouts), drawn on ChartWorkBitmap over the static picture. Each call
// first restores the rectangle the previous one drew from ChartBackBitmap, then repaints only
// the union of the old and the new rectangle.

class TForm1;

// full: the 100 ms tick's call after a fix, which also samples the track; false repaints the
// same picture. Nothing until the start-up has finished.
void PaintDynamicOverlay(TForm1& form, bool full);
