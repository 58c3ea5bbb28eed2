#pragma once
// The services the ticks call that the program does not have yet. Each is a no-op (or answers
// "none" / "not available") until the work named beside it lands; then the call sites take the
// real routine and the entry here goes. Nothing here pretends a result: a query answers what is
// true while the service is missing (no route-start request, no tide port, no replay playing).

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class QPainter;
class TForm1;

namespace pending {

// Chart overlays and painting.
void UpdateCursorReadout(TForm1& form, const cmgbase::GeoPoint& position);  // chart input
// The range and bearing readout of the cursor panel, from one point to the other.
void UpdateRangeBearingReadout(TForm1& form, const cmgbase::GeoPoint& from,
                               const cmgbase::GeoPoint& to);                // cursor readout

// The chart objects at the position (QueryObjectsAt, mode 3) shown in the object inspector at
// the window's bottom, as wide as the chart (chart object inspector): nothing while absent.
void ShowChartObjectsAt(TForm1& form, const cmgbase::GeoPoint& position);

// The chart update window: whether it is shown, and its move of the chart to an update frame
// taken up (the scale buttons and the chart level follow the frame).
bool ChartUpdateWindowVisible();                      // chart database dialogs: never while absent
void TakeUpdateFrame(TForm1& form);                   // chart database dialogs
void ShowChartDatabaseWindow();                       // chart database dialogs
void ShowChartUpdateWindow();                         // chart database dialogs

// Weather: the ticked layer over the chart and the readout at the cursor.
void PaintWeatherLayer(TForm1& form);                  // weather
void PaintWeatherReadout(TForm1& form, QPainter& canvas);  // weather

// Chart engine services not in the map manager yet.
struct TidePortReading {
    std::string name;
    double heightMetres = 0.0;
};
std::optional<TidePortReading> NearestTidePort(const cmgbase::GeoPoint& position);  // tides
struct AreaCheckResult {
    int32_t result = 0;
    int32_t depthHits = 0;
    int32_t objectClass = 0;
};
std::optional<AreaCheckResult> CheckLookAheadPolygon(float safetyDepth, float shipHeight);  // look-ahead area check

// Main window actions.

// The route table written as the waypoint list route.txt of the log folder (logs).
void WriteRouteText();

// Logs.
void WriteAisEventLog(int32_t index, int32_t kind);  // AIS logs
void WritePositionLog();                              // position log
int64_t ScheduleNextLogTime(int64_t now);             // position log: never due while absent

// Replay.
bool ReplayPlaying();          // false: nothing is played
void ReplayTick();             // the replay dialog's step, play and close
void RecordReplayFrame();

// Sentence parser values the hourly step clears.
void ClearParserHourlyFlag();
void ClearHourlySensorValue();


// Radar and sound.
void RadarSetPos(double longitude, double latitude, double course);
void PlayAlarmSound();         // "alarm.wav" of the program folder

}  // namespace pending
