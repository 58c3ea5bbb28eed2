#pragma once
// The own track in the database from the side panel's btnTrack, and the tool bar's TrackBtn,
// which shows the track dialog.

class QColor;
class TForm1;

// The buttons to their handlers.
void ConnectTrackButtons(TForm1& f);

// TrackBtn: the chart object inspector put away, a pending track pick given up, the track dialog
// shown.
void TrackExecute(TForm1& f);

// btnTrack: a database track being recorded is finished; otherwise, while the own position is
// known, one is started at the ship (the button then down and written in the track colour).
// The data-set buttons are disabled while a track is recorded, so that it stays in its set.
void btnTrackClick(TForm1& f);

// The colour btnTrack's caption is written in.
void SetTrackButtonColour(TForm1& f, const QColor& colour);
