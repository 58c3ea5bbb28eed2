#pragma once
// The forecast at one time drawn in plain marine forms: pressure as isobars every 4 hPa with
// their values, wind as barbs, waves as shading by height with arrows the way they run,
// currents as arrows, precipitation and temperature as shading. Grid points are thinned to the
// scale so that symbols keep about 40 pixels apart.

#include "platform/chartengine/GribForecast.h"

#include <QColor>
#include <QPainter>

#include <set>
#include <vector>

namespace chartengine {

class GeoProjection;
class MapViewport;
class Symbolization;

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

// The scales of the shading, as fractions of the ramp (low 0 to high 1): temperature -30 to
// +40 degrees Celsius, waves 0 to 8 m, precipitation 0.2 to 50 mm/h on a log scale (below
// 0.2 mm/h negative: not shaded).
double TemperatureShade(double kelvin);
double WaveShade(double metres);
double PrecipitationShade(double mmPerHour);
// The ramp of the weather symbolization's colours in a colour scheme (0..4); empty when it
// has none.
std::vector<QColor> WeatherRamp(const Symbolization& weather, int32_t scheme);
// The translucent colour of the shading at a fraction of the ramp.
QColor ShadeColour(const std::vector<QColor>& ramp, double fraction);
// Lines, barbs and labels in a colour scheme (0..4); current arrows in the ramp's.
QColor WeatherInk(int32_t scheme);
QColor CurrentColour(const std::vector<QColor>& ramp);
// A current arrow's length in pixels.
double CurrentArrowLength(double metresPerSecond);

// The symbols, in device points of a painter whose y grows upwards. A wind barb at p: the staff
// points where the wind comes from, a pennant per 50 kn, a long feather per 10 kn and a short one
// per 5 kn at its far end, on the staff's clockwise side as northern-hemisphere charts draw
// them; a circle for calm.
void DrawWindBarb(QPainter& painter, const QPointF& p, const QPointF& downwind, double metresPerSecond);
// An arrow from a point along a unit direction (waves, currents).
void DrawFlowArrow(QPainter& painter, const QPointF& from, const QPointF& direction, double length);
// A value on a white box centred on a point (an isobar's).
void DrawWeatherLabel(QPainter& painter, const QPointF& device, const QString& text);

}  // namespace chartengine
