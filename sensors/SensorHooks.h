#pragma once
// What the sensor side asks of the layers above it (the frame, the chart, the route table and
// the user database's AIS static data). The frame fills these at start-up; an empty hook is skipped (or
// answers as noted), so the sensor library runs on its own in tests. All run on the main thread.
//
// Under ComOutStateLock (called while a chunk is parsed; they must not take the lock, nor call
// anything that does, nor wait for the user): showMonitorLine, replayPlaying, routeEditing,
// showDeadReckoningCourse, showDeadReckoningSpeed, beep, loadSeabedTile.
// After the lock is released: storeRouteEntry and receivedRoute at the end of ParseSensorInput
// (the route table takes the lock), and readAisStatic and writeAisStatic there too (file work);
// putSensorRecord and hideDeadReckoningPanel when a reader acts on the chunk's result;
// showNotice and showAisAlarm when a reader has read all its chunks. The simulated-target dialog
// calls mainViewCentre and showArpaButton from its buttons.

#include "platform/geodesy/GeoTypes.h"
#include "platform/system/MessageBox.h"
#include "sensors/TargetRecord.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// A sentence handed to a handler: the normalised line (commas as blanks, empty fields as "0").
struct SentenceContext {
    int port = 0;
    const char* line = "";
    bool checksumPresent = false;
    uint8_t checksum = 0;  // the received checksum when present
    char talker = 0;       // the talker's second letter
};

struct SeabedTile;

struct ReceivedWaypoint {
    int32_t id = 0;
    cmgbase::GeoPoint position{};
};

struct SensorHooks {
    // A fix was committed: the sensor-feed library's "_BLPutRx" (counter 0..31999, record, 125).
    std::function<void(int32_t counter, const void* record, int32_t length)> putSensorRecord;
    // A fix arrived: the dead-reckoning panel goes away.
    std::function<void()> hideDeadReckoningPanel;
    // The dead-reckoning course and speed fields follow heading and water speed.
    std::function<void(int32_t degrees)> showDeadReckoningCourse;
    std::function<void(int32_t knots)> showDeadReckoningSpeed;
    // True while a replay plays: live input changes nothing (false when unset).
    std::function<bool()> replayPlaying;
    // True while a route or object is drawn or edited: WPL / RTE are ignored (false when unset).
    std::function<bool()> routeEditing;
    // The stored AIS static data of an MMSI (the ais5 file): true and the block when there is
    // a record (false when unset).
    std::function<bool(uint32_t mmsi, AisStaticBlock& block)> readAisStatic;
    // Stores the block as the record of its MMSI, rewritten when there is one, else added, with
    // the target's navigational status and the low 16 bits of the IMO number it holds.
    std::function<void(const AisStaticBlock& block, uint8_t navigationStatus, uint16_t imoLow)>
        writeAisStatic;
    // The main chart view's centre (the own ship's reference position when unset).
    std::function<cmgbase::GeoPoint()> mainViewCentre;
    // Shows the main window's ARPA tool button when it is hidden.
    std::function<void()> showArpaButton;
    // A received WPL waypoint for route table entry n (1..499). After the chunk, no lock held.
    std::function<void(int32_t n, cmgbase::GeoPoint position)> storeRouteEntry;
    // A received RTE route (so far, for a route sent in several sentences), in order. After the
    // chunk, no lock held.
    std::function<void(const std::vector<ReceivedWaypoint>&)> receivedRoute;
    std::function<void(int32_t hertz, int32_t milliseconds)> beep;
    // An AIS alarm text: the target dialog opens its message panel in alarm mode. After the
    // chunk, no lock held.
    std::function<void(const std::string& text)> showAisAlarm;
    // A notice to show without blocking; called after parsing, with no lock held. When unset the
    // notice goes to the message box service.
    std::function<void(const platform::MessageBoxRequest&)> showNotice;
    // The ship entered another seabed tile: fill its cells from the seabed file.
    std::function<void(SeabedTile& tile)> loadSeabedTile;
    // A complete line of the monitored port for the port monitor.
    std::function<void(const char* line)> showMonitorLine;
};

extern SensorHooks SensorHook;
