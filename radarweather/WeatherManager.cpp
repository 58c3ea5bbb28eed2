#include "radarweather/WeatherManager.h"

WeatherManager* WeatherService = nullptr;

int WeatherManager::Init(MapView* view)
{
    if (state_ == InitFailed)
        return -1;
    if (!view) {
        fail(InitFailed, "<WeatherManager::Init()> Provided MapView was NULL.");
        return -1;
    }
    fail(InitFailed, "<WeatherManager::Init()> No weather service is installed.");
    return -1;
}

void ShowWeatherStatus(int32_t) {}
