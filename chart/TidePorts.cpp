// The map manager's tide ports: the nearest port with its present height, an engine port by
// list index, and the ports inside a view.

#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/TidePortTime.h"
#include "platform/geodesy/PositionComputation.h"

using namespace chartengine;

namespace {

constexpr double HalfHourStep = 0.5;

}  // namespace

int MapManager::NearestTidePort(const cmgbase::GeoPoint& position, int64_t utcSeconds, int32_t* portIndex,
                                std::string* name, double* height) const
{
    if (tidePorts.empty() || !portIndex || !name || !height)
        return 0;
    int32_t nearest = 0;
    double nearestDistance = 0.0;
    for (size_t i = 0; i < tidePorts.size(); ++i) {
        double distance = 0.0;
        cmgbase::InvPosComputation(position, tidePorts[i].position, &distance, nullptr, 0);
        if (i == 0 || distance <= nearestDistance) {
            nearest = static_cast<int32_t>(i);
            nearestDistance = distance;
        }
    }
    std::unique_ptr<TidesPort> port;
    if (TidePort(nearest, &port) != 1)
        return 0;
    int32_t hoursWest = 0;
    if (Failed(port->TimeZone(&hoursWest)))
        return 0;
    const PortTime now = PortStandardTime(utcSeconds, hoursWest);
    double metres = 0.0;
    if (Failed(port->Calculate(HalfHourStep, now.date)) || Failed(port->HeightAt(SampleAtOrBefore(now), &metres)))
        return 0;
    *portIndex = nearest;
    *name = port->PortName();
    *height = metres;
    return 1;
}

int MapManager::TidePort(int32_t index, std::unique_ptr<TidesPort>* port) const
{
    if (!port || !tidesDatabase || index < 0 || index >= static_cast<int32_t>(tidePorts.size()))
        return 0;
    return tidesDatabase->OpenPort(tidePorts[index].portIndex, port) == kOk && *port ? 1 : 0;
}

std::vector<TVisibleTidePort> MapManager::VisibleTidePorts(const MapView* view, const WindowRect& window) const
{
    std::vector<TVisibleTidePort> visible;
    cmgbase::GeoRect area;
    if (tidePorts.empty() || !view || !view->VisibleGeoRect(window, area))
        return visible;
    for (size_t i = 0; i < tidePorts.size(); ++i) {
        ScreenPoint pixel;
        if (!cmgbase::cross__GeoPoint_GeoRect(tidePorts[i].position, area) ||
            !view->GeoToScreen(window, tidePorts[i].position, pixel))
            continue;
        if (pixel.x >= window.left && pixel.x <= window.right && pixel.y >= window.top && pixel.y <= window.bottom)
            visible.push_back({tidePorts[i].position, static_cast<int32_t>(i), pixel.x, pixel.y});
    }
    return visible;
}
