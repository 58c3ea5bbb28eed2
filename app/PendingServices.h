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


// Weather: the ticked layer over the chart and the readout at the cursor.
void PaintWeatherLayer(TForm1& form);                  // weather
void PaintWeatherReadout(TForm1& form, QPainter& canvas);  // weather
// The weather values at the cursor in the weather dialog's readout (weather).
void ShowWeatherAtCursor(TForm1& form);

// Main window actions.


// Sentence parser values the hourly step clears.
void ClearParserHourlyFlag();
void ClearHourlySensorValue();


// Radar and sound.
void RadarSetPos(double longitude, double latitude, double course);
void PlayAlarmSound();         // "alarm.wav" of the program folder

}  // namespace pending
