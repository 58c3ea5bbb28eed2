#pragma once
// The weather service of the chart engine for the main view.

#include "platform/geodesy/GeoTypes.h"
#include "radarweather/ServiceManager.h"

class MapView;

class WeatherManager : public ServiceManager {
public:
    // Binds the manager to the weather service of view; 0 on success.
    int Init(MapView* view);

    // The area of the weather data (west, south, east, north): 16.4 W 50.2 N to 41.9 E 75.1 N
    // until the main window gives the main chart's area.
    cmgbase::GeoRect requestArea{-195786347, 599496227, 500185907, 896433057};
};

// The weather service of the program (null while it is not started).
extern WeatherManager* WeatherService;

// Status callback of the weather manager, set by the main window.
void ShowWeatherStatus(int32_t status);
