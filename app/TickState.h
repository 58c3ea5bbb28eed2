#pragma once
// What the one-second and the 100 ms tick keep between ticks, and the requests that other code
// leaves for them. Main thread only; memory only (nothing here is saved).

#include "frame/PixelGeometry.h"
#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstdint>

struct OneSecondTickState {
    int32_t tenSecondCounter = 0;
    int32_t thirtySecondCounter = 0;
    int32_t lastMinute = -1;       // -1: the first tick runs the minute step
    int64_t lastHourlyStep = -1;   // start of the hour (seconds since 1970) of the last hourly step
    int32_t recentreMargin = 1;    // pixels, at least 1
    bool movingRecentre = false;   // recentring mode of a vessel under way
    int32_t routeAutoStoreCountdown = 0;
    int32_t socketSilentSeconds = 0;
    float shownWindSpeed = -1.0f;
    // Seconds without a position fix. The sentence parser's source-switch request travels in
    // OwnShip.positionTimeoutCounter, so this count is kept apart from it and never lost to a
    // request.
    int32_t positionTimeoutCounter = 0;
    int32_t replayTickCounter = 0;
    int64_t nextLogTime = 0;                  // when the position log is due next
    cmgbase::GeoPoint lastLoggedPosition{};   // the position last written to it
};

// Count-downs in ticks of the one-second tick; each acts when it reaches 0.
struct MainWindowCountdowns {
    int32_t chartRedraw = 0;
    int32_t chartLevelChange = 0;
    int32_t threeDRefresh = 0;
    int32_t chartFilterChange = 0;
    int32_t routeGridChange = 0;
};

constexpr int32_t ProgramCursorBase = 100;

struct HundredMillisecondTickState {
    int32_t edgePanCounter = -1;  // -1 idle
    int32_t lastEdgeKey = 0;      // x + y of the pointer at the edge
    int32_t dynamicOverlayCountdown = 0;
    int32_t gpsPanelKey = -1;     // satellites + quality + alive + port of the panel shown
    int32_t lookAheadSkip = 0;    // ticks the look-ahead check waits
    bool targetBlink = false;     // toggled on every processed fix
    bool positionChanged = false; // a fix was processed; the overlays read and clear it
    int64_t lastDeadReckoningMs = -1;  // tick time of the last dead-reckoning step, -1 none
    int32_t noticeCycle = 0;      // 0..20
    int32_t pointerMode = 19;
    int32_t shownPointerMode = -1;  // -1: the notice shows the mode's hint again
    int32_t chartCursor = -1;     // the pointer last given to CM93: a Qt::CursorShape, or
                                  // ProgramCursorBase + a program cursor number
    int32_t nameBaseBlink = 0;
    bool nameBaseMarkVisible = false;
    cmgbase::GeoPoint nameBaseMark{};
    ScreenPoint nameBaseMarkPixel{};  // where the static overlay last placed the mark
    int32_t threeDCounter = 0;
    bool lightFlashToggle = false;
    float shownDepth = -2.0f;     // -2: nothing shown yet
    bool shownDepthAlive = false;
    bool noticeAlarmLook = false;  // the notice shows the alarm or warning colours
    cmgbase::GeoPoint lastSoundingMark{};  // where the last automatic depth mark went; zero: none yet
};

// Alarm state beside OwnShip.alarmKind and OwnShip.alarmActive.
struct AlarmFlags {
    bool acknowledged = false;
    bool sound = false;            // the alarm sound is wanted
    bool depthAlarmRaised = false;
    bool areaWarning = false;
    int32_t areaWarningClass = 0;  // object class of the area warning
    bool newWaypoint = false;      // waypoint arrival (route following)
    bool routeDeviation = false;   // track alarm (route following)
    // What raising the track alarm set itself, undone when it clears.
    bool routeDeviationSetActive = false;
    bool routeDeviationSetAcknowledged = false;
    bool error = false;
    // The next click on a chart is swallowed: it was meant for a notice or a mini-chart control.
    bool ignoreNextClick = false;
};

// Requests and positions that chart, route and dialog code leave for the ticks.
struct TickRequests {
    bool positionRefresh = false;      // the 100 ms tick processes the known position again
    bool radarRedraw = false;          // the radar picture changed: redraw while RadarBtn is down
    // A chart layer that hides object classes changed: the next chart-redraw count-down makes
    // the full presentation anew (rbFullClick, which clears it).
    bool presentationRebuild = false;
    // The safety contour changed: the next chart-redraw count-down re-applies the mini chart's
    // presentation and the route legs.
    bool safetyContourChange = false;
    ScreenPoint levelChangePoint{};    // the screen point a chart-level change keeps in place
    ScreenPoint ownShipPixel{};        // reference position in the main chart
    ScreenPoint ownShipMiniPixel{};    // and in the mini chart
    float lookAheadDistance = 0.0f;    // nautical miles
    // The look-ahead sector of the last check: own ship, five points on the arc, own ship; the
    // overlays draw it. Kept apart from the check polygon, which route-leg checks replace.
    std::array<cmgbase::GeoPoint, 7> lookAheadSector{};
    cmgbase::GeoPoint threeDCursor{};  // the 3D view's cursor on the chart
    bool threeDCursorValid = false;
    bool threeDViewerActive = false;
};

extern OneSecondTickState SecondTick;
extern MainWindowCountdowns Countdowns;
extern HundredMillisecondTickState FastTick;
extern AlarmFlags Alarm;
extern TickRequests TickRequest;

// Every value above back to its start value (start-up and tests).
void ResetTickState();

// Stops a raised antigrounding alarm: the alarm inactive, the notice out of its alarm colours
// and the relay open. Nothing while none is raised.
void DropDepthAlarm();
