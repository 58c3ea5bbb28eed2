#include "app/TideButton.h"

#include "app/ChartMouse.h"
#include "chart/MapManager.h"
#include "chart/TTideWin.h"
#include "chart/TidePortRedraw.h"

#include <algorithm>

int32_t HourlyTidePortIndex = -1;

namespace {

void OpenTidePort(int32_t portIndex)
{
    std::unique_ptr<chartengine::TidesPort> port;
    if (ChartEngine && TideWin && ChartEngine->TidePort(portIndex, &port) == 1)
        TideWin->OpenPort(std::move(port));
}

}  // namespace

void btn3DTideClick(TForm1&)
{
    OpenTidePort(HourlyTidePortIndex);
}

bool OpenTidePortAt(int32_t x, int32_t y)
{
    const auto port = std::ranges::find_if(VisibleTidePortList, [&](const TVisibleTidePort& shown) {
        return WithinReach({shown.x, shown.y}, {x, y}, WaypointReach);
    });
    if (port == VisibleTidePortList.end())
        return false;
    OpenTidePort(port->portIndex);
    return true;
}
