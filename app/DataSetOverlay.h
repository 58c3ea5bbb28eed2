#pragma once
// The stored objects of the other data sets, drawn over the chart beside those of the set in
// use. The object store draws only from the set that is open, so each set ticked for display is
// opened in turn and the set that was open before is opened again afterwards: recording and
// editing go on in the set they were in.

class TForm1;

// Draws the objects of every data set whose display box (ckDbxA .. ckDbxF) is ticked, except
// the set open now. A set that does not open is skipped without a message. Returns true when another set was
// opened; the set open before is then open again (none, when none was).
bool PaintOtherDataSets(TForm1& form);
