#include "app/TideButton.h"

#include "chart/MapManager.h"
#include "chart/TTideWin.h"

int32_t HourlyTidePortIndex = -1;

void btn3DTideClick(TForm1&)
{
    std::unique_ptr<chartengine::TidesPort> port;
    if (ChartEngine && TideWin && ChartEngine->TidePort(HourlyTidePortIndex, &port) == 1)
        TideWin->OpenPort(std::move(port));
}
