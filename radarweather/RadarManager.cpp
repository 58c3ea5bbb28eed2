#include "radarweather/RadarManager.h"

RadarManager* RadarService = nullptr;

int RadarManager::Init(MapView* view)
{
    if (state_ == InitFailed)
        return -1;
    if (!view) {
        fail(InitFailed, "<RadarManager::Init()> Provided MapView was NULL.");
        return -1;
    }
    fail(InitFailed, "<RadarManager::Init()> No radar service is installed.");
    return -1;
}

int RadarManager::Start(QWidget* window)
{
    if (state_ < Ready) {
        errorText_ = "<RadarManager::Start()> RadarManager not initialized.";
        return -1;
    }
    if (!window) {
        fail(CallFailed, "<RadarManager::Start()> Provided hWnd was NULL.");
        return -1;
    }
    if (running != 0) {
        fail(CallFailed, "<RadarManager::Start()> Radar overlay already running.");
        return -1;
    }
    fail(CallFailed, "<RadarManager::Start()> No radar service is installed.");
    return -1;
}

int RadarManager::Stop()
{
    if (running == 0) {
        fail(CallFailed, "<RadarManager::Stop()> The radar overlay is not running.");
        return -1;
    }
    running = 0;
    return 0;
}

void ShowRadarStatus(int32_t) {}
