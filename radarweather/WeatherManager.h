#pragma once
// The weather service of the chart engine for the main view.

#include "platform/geodesy/GeoTypes.h"
#include "radarweather/ServiceManager.h"

class MapView;

class WeatherManager : public ServiceManager {
public:
    // Binds the manager to the weather service of view; 0 on success.
    int Init(MapView* view);

    cmgbase::GeoRect requestArea{};
};

// The weather service of the program (null while it is not started).
extern WeatherManager* WeatherService;

// Status callback of the weather manager, set by the main window.
void ShowWeatherStatus(int32_t status);
