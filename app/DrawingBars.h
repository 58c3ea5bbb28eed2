#pragma once
// What the route, line and symbol bars' handlers share: the question box they ask, the pointer
// placed over the chart, the chart's object inspector put away, and the repaint after a bar
// closes.

#include "platform/system/MessageBox.h"

#include <cstddef>

class QButtonGroup;
class QToolBar;
class QToolButton;
class TForm1;

// The pointer to the chart pixel (dx, dy) from the chart's top-left corner.
void PointAtChart(TForm1& f, int dx, int dy);

// The bars' question: message text `text` (empty when the language file has none) with caption
// "???", OK and Cancel, the question icon, task-modal and top-most.
platform::MsgAnswer AskBarQuestion(TForm1& f, size_t text);

// A down QueryBtn raised and the chart object inspector hidden.
void RaiseQueryButton(TForm1& f);

// The data page's "Delete" choice (2) put back to "Copy OUT" (1), so that the next chart click
// deletes nothing by the data page's choice.
void LeaveDeleteChoice();

// A bar has closed: the static overlay composed again and the chart repainted now.
void RepaintChartNow(TForm1& f);

// Buttons first .. first + count - 1 of the bar as a group of which one is down at a time, with
// the ids firstId, firstId + 1, ...
QButtonGroup* OneDownAtATime(QToolBar* bar, int first, int count, int firstId);

// A bar button raised.
void Raise(QToolButton* button);
