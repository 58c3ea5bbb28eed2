#pragma once
// What the sensor set-up dialog asks of the layers above it: the settings files, the main
// window, and the radar manager for the overlay adjustments and the corrections of rp.ini.
// The start-up fills them; an empty hook is skipped or answers as noted, so the dialog runs on
// its own in tests. All run on the main thread.

#include <QRect>

#include <cstdint>
#include <functional>

class QWidget;

// The radar overlay's antenna adjustments: orientation in degrees (-180..180), the range and
// the dX and dY adjustments (each -9.999..9.999).
struct RadarAdjustments {
    int32_t orientation = 0;
    double range = 0.0;
    double dX = 0.0;
    double dY = 0.0;
};

struct SetupSensorHooks {
    // The frame: the main window's tool panel shown again, dta.res and the main INI file saved
    // (false when not written), the main window's frame on the screen (an empty rectangle when
    // unset), and the sensor settings read again once the dialog has closed.
    std::function<void()> showToolPanel;
    std::function<bool()> saveSetupParameters;
    std::function<bool()> saveMainIni;
    std::function<QRect()> mainWindowFrame;
    std::function<void()> closed;

    // The radar manager. Ready: initialised and its last call did not fail (false when unset,
    // and then the overlay box, the way to the radar panels, stays disabled).
    std::function<bool()> radarReady;
    std::function<RadarAdjustments()> radarAdjustments;
    std::function<void(const RadarAdjustments&)> setRadarAdjustments;
    // Scale levels of rp.ini, numbered from 0 (0 when unset).
    std::function<int32_t()> radarScaleCount;
    // The corrections of a scale level (0 when it cannot be read).
    std::function<int32_t(int32_t level)> getADCStrobDelay;
    std::function<int32_t(int32_t level)> getDistanceCorrection;
    std::function<int32_t(int32_t level)> getAzimuthCorrection;
    // Writes one correction of a level into rp.ini; false when not written.
    std::function<bool(int32_t level, int32_t value)> setADCStrobDelay;
    std::function<bool(int32_t level, int32_t value)> setDistanceCorrection;
    std::function<bool(int32_t level, int32_t value)> setAzimuthCorrection;
    // Switches the radar to a range of the level.
    std::function<void(int32_t level)> setRadarScale;
    // Stops the overlay and starts it again in window, so that it reads the new corrections.
    std::function<void(QWidget& window)> restartRadarOverlay;
};

extern SetupSensorHooks SetupSensorHook;
