#pragma once
// The position dialog's hooks into the main window: its chart centre, the centring, the click at
// the typed position and the drawing bars' Finish.

class TForm1;

// Whether a drawing tool waits for a click on the chart: a symbol to place, a picked symbol to
// move, the corner of a circle or rectangle area, a new route or line point, or a point being
// dragged.
bool ChartClickAwaited(const TForm1& form);

// Fills PositionDialogHook for Form1.
void WirePositionDialog();
