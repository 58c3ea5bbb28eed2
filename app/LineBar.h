#pragma once
// The line bar at the chart's left edge: the line tools (delete, edit, draw) that the chart's
// clicks then carry out, the kind (line, polyline, circle, rectangle) and colour of new lines,
// the point list, and the tidy-up when a line is finished.

class TForm1;

// The bar's buttons to their handlers; of the kinds and of the colours one is down at a time.
void ConnectLineBar(TForm1& f);

// The line kind, 0 line, 1 polyline, 2 circle, 3 rectangle; the line colour, 1..6.
void LineKindClick(int kind);
void LineColourClick(int colour);

void LiDdelExecute(TForm1& f);
void LiEditExecute(TForm1& f);
void LiDrawExecute(TForm1& f);
// The point list ListDlg beside the bar (button down) or hidden (up); the route bar's list
// button does the same beside its bar.
void btnLiListClick(TForm1& f, bool down);
// Finish: the line under way tidied (an edited line's colour and edit mark written back, a new
// line of one point deleted); the action ended and the bar kept, or with none the bar closed.
void LiOkExecute(TForm1& f);
// The bar finished and closed whatever was under way, as opening another bar does.
void CloseLineBar(TForm1& f);
