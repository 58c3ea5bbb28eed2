#pragma once
// The radar service of the chart engine for the main view.

#include "radarweather/ServiceManager.h"

class MapView;
class QWidget;

class RadarManager : public ServiceManager {
public:
    // Binds the manager to the radar service of view; 0 on success.
    int Init(MapView* view);
    // Starts the radar overlay on window; 0 on success. Refused while the manager is not
    // initialised (state unchanged), and for no window or an overlay already running (state 2);
    // without a radar service nothing starts (state 2).
    int Start(QWidget* window);
    // Stops the radar overlay; 0 on success. Called while it does not run, the call fails
    // (state 2 and an error text).
    int Stop();

    int32_t running = 0;  // non-zero while the overlay is started
};

// The radar service of the program (null while it is not started).
extern RadarManager* RadarService;

// Status callback of the radar manager, set by the main window.
void ShowRadarStatus(int32_t status);
