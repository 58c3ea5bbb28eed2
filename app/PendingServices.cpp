#include "app/PendingServices.h"

#include <cstdint>

// Each body below is empty until the work named for it in the header lands.
namespace pending {

void CM93MouseDown(TForm1&, QObject*, int32_t, Qt::KeyboardModifiers, int32_t, int32_t) {}


bool ChartUpdateWindowVisible() { return false; }
void TakeUpdateFrame(TForm1&) {}
void ShowChartUpdateWindow() {}


bool OpenTidePortAt(TForm1&, int32_t, int32_t) { return false; }




void ClearParserHourlyFlag() {}
void ClearHourlySensorValue() {}


void PlayAlarmSound() {}

}  // namespace pending
