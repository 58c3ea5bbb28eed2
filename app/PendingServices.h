#pragma once
// The services the ticks call that the program does not have yet. Each is a no-op (or answers
// "none" / "not available") until the work named beside it lands; then the call sites take the
// real routine and the entry here goes. Nothing here pretends a result: a query answers what is
// true while the service is missing (no route-start request, no tide port, no replay playing).

#include "platform/geodesy/GeoTypes.h"

#include <qnamespace.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QObject;
class QPainter;
class TForm1;

namespace pending {


// The chart update window: whether it is shown, and its move of the chart to an update frame
// taken up (the scale buttons and the chart level follow the frame).
bool ChartUpdateWindowVisible();                      // chart database dialogs: never while absent
void TakeUpdateFrame(TForm1& form);                   // chart database dialogs
void ShowChartUpdateWindow();                         // chart database dialogs

// A click at (x, y) on a tide port shown on the chart opens it in the tide window; false when
// no shown port lies within 6 px (tides: none are shown while absent).
bool OpenTidePortAt(TForm1& form, int32_t x, int32_t y);

// Main window actions.


// Sentence parser values the hourly step clears.
void ClearParserHourlyFlag();
void ClearHourlySensorValue();


// Sound.
void PlayAlarmSound();         // "alarm.wav" of the program folder

}  // namespace pending
