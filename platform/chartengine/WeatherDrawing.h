#pragma once
// The forecast at one time drawn in plain marine forms: pressure as isobars every 4 hPa with
// their values, wind as barbs, waves as shading by height with arrows the way they run,
// currents as arrows, precipitation as shading. Grid points are thinned to the scale so that
// symbols keep about 40 pixels apart.

#include "platform/chartengine/GribForecast.h"

#include <QColor>
#include <QPainter>

#include <set>
#include <vector>

namespace chartengine {

class GeoProjection;
class MapViewport;

struct WeatherScene {
    const GribForecast* forecast = nullptr;
    double time = 0;                  // days since 30 December 1899
    std::set<int32_t> shown;          // parameter codes
    const GeoProjection* projection = nullptr;
    const MapViewport* viewport = nullptr;
    std::vector<QColor> ramp;         // low to high; at least two colours
    QColor ink;                       // lines, barbs and labels
};

// painter's transform takes device points (pixels from the window centre, y up) to its pixels.
// False when nothing could be drawn.
bool DrawWeatherScene(QPainter& painter, const WeatherScene& scene);

}  // namespace chartengine
