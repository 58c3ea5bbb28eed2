#include "app/PendingServices.h"

#include <cstdint>

// Each body below is empty until the work named for it in the header lands.
namespace pending {

void CM93MouseDown(TForm1&, QObject*, int32_t, Qt::KeyboardModifiers, int32_t, int32_t) {}



void PaintWeatherLayer(TForm1&) {}
void PaintWeatherReadout(TForm1&, QPainter&) {}
void ShowWeatherAtCursor(TForm1&) {}





void ClearParserHourlyFlag() {}
void ClearHourlySensorValue() {}


void RadarSetPos(double, double, double) {}
void PlayAlarmSound() {}

}  // namespace pending
