#include "app/PendingServices.h"

#include <cstdint>

// Each body below is empty until the work named for it in the header lands.
namespace pending {

void UpdateCursorReadout(TForm1&, const cmgbase::GeoPoint&) {}
void UpdateRangeBearingReadout(TForm1&, const cmgbase::GeoPoint&, const cmgbase::GeoPoint&) {}
void ShowChartObjectsAt(TForm1&, const cmgbase::GeoPoint&) {}


bool ChartUpdateWindowVisible() { return false; }
void TakeUpdateFrame(TForm1&) {}
void ShowChartDatabaseWindow() {}
void ShowChartUpdateWindow() {}

void PaintWeatherLayer(TForm1&) {}
void PaintWeatherReadout(TForm1&, QPainter&) {}

std::optional<TidePortReading> NearestTidePort(const cmgbase::GeoPoint&) { return std::nullopt; }
std::optional<AreaCheckResult> CheckLookAheadPolygon(float, float) { return std::nullopt; }


void WriteRouteText() {}

void WriteAisEventLog(int32_t, int32_t) {}
void WritePositionLog() {}
int64_t ScheduleNextLogTime(int64_t) { return INT64_MAX; }

bool ReplayPlaying() { return false; }
void ReplayTick() {}
void RecordReplayFrame() {}

void ClearParserHourlyFlag() {}
void ClearHourlySensorValue() {}


void RadarSetPos(double, double, double) {}
void PlayAlarmSound() {}

}  // namespace pending
