#pragma once
// The "Data" page of the tool dialog: the data set in use and those drawn besides, and the
// transfers (Copy OUT, Copy IN, Delete) of the chosen kinds of objects.


class TForm1;

void ConnectDataPage(TForm1& form);

// Brings the page's enabled and checked states into line with the data choice, the scope, the
// tool-bar buttons and the route in use. Nothing before the start-up is done.
void SyncDataTab(TForm1& form);

// The data-set buttons as the recordings allow: all locked while a track is recorded
// (btnTrack down); while depths are recorded (DepthSaveChoice above 0) those that would move the
// recording to the other seabed file; else all free.
void LockDataSetButtons(TForm1& form);

void btnDataExecuteClick(TForm1& form);
// The data tab's function (copy out, copy in, delete) chosen: the choice kept, the area box
// following it; a chart area being chosen is given up for copy in.
void rgDataDataClick(TForm1& form);
// Opens a data info file in the text editor.
void btnDataInfoClick(TForm1& form);

