#pragma once
// What the backup, restore and import (TransferUserData.h) ask of the main window, the chart and
// the sensors above and beside the user data. The application sets the hooks at start-up; an
// unset hook does nothing and answers as noted.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <functional>
#include <string>

struct TransferHooks {
    // Moves the mouse pointer to the main window's pick point + (60, 55) after a transfer.
    std::function<void()> movePointerNearPick;
    // True while the file panel's "Delete selected data" button is down (false when unset).
    std::function<bool()> selectiveDelete;

    // The depth recorder: a depth import starts (live depths ignored, the per-level averaging
    // and the spike filter cleared) or ends (live depths recorded again).
    std::function<void(bool running)> depthImportRunning;
    // Records `depth` (metres) at `position` (chart units) into grid level `level` with cells of
    // `cellSize` chart units, the recorder's position and longitude factor set to the position
    // first. True when level 0 entered another tile (false when unset).
    std::function<bool(const cmgbase::GeoPoint& position, int level, int32_t cellSize, float depth)> storeDepth;

    // True while a sensor delivers positions (true when unset: an imported own-ship position is
    // then never taken).
    std::function<bool()> sensorInputLive;
    // Sets the own ship's position (degrees x 600000), course over ground (also the heading) and
    // speed over ground, and marks the position known.
    std::function<void(int32_t latitude, int32_t longitude, float course, float speed)> setOwnShip;

    // Centres the main chart on `centre`, sets the chart level and the zoom factor, redraws when
    // the view changed and shows the scale value times the zoom in the zoom panel.
    std::function<void(const cmgbase::GeoPoint& centre, int32_t level, double zoom)> showChartView;
    // Saves a screenshot named `name` (a plain file name) with the slave panel hidden and the
    // identification picture shown at the chart's bottom left.
    std::function<void(const std::string& name)> saveIdentifiedScreenshot;
};

extern TransferHooks TransferHook;
