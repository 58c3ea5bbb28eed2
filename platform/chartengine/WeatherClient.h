#pragma once
// The weather client: shows the parameters asked for of its tool's forecast at one time step,
// drawn in chart coordinates through the attached view objects, and answers values there.
// Every show, step or data change is told to its listeners (event 2) from the main loop.
// Temperature is drawn by the chart draw itself, as an underlay of the attached draw companion
// (over the depth and land areas, under contours, soundings and symbols); the rest by Draw.

#include "platform/chartengine/DrawCompanion.h"
#include "platform/chartengine/EngineStatus.h"
#include "platform/chartengine/WeatherListeners.h"
#include "platform/chartengine/WeatherDrawing.h"
#include "platform/chartengine/WeatherTool.h"

#include <QPainter>

#include <memory>
#include <set>
#include <variant>

namespace chartengine {

class GeoProjection;
class MapViewport;
class Symbolization;

// Client properties.
inline constexpr int32_t kClientSmoothing = 1;    // minutes between two time steps
inline constexpr int32_t kClientStepCount = 2;    // (last - first time) / smoothing
inline constexpr int32_t kClientStepShown = 3;    // read and written
inline constexpr int32_t kClientColourScheme = 4; // 0..4, the schemes of the "wthr" colours
inline constexpr int32_t kClientDataReady = 5;

class WeatherClient {
public:
    explicit WeatherClient(std::shared_ptr<WeatherTool> tool);
    virtual ~WeatherClient();
    WeatherClient(const WeatherClient&) = delete;
    WeatherClient& operator=(const WeatherClient&) = delete;

    // What a view hands over to draw in its chart coordinates; null detaches everything.
    using Attachment = std::variant<std::nullptr_t, DrawCompanion*, std::shared_ptr<const GeoProjection>,
                                    const MapViewport*, const Symbolization*>;
    virtual HResult Attach(const Attachment& object);
    virtual HResult PutProperty(int32_t code, const WeatherProperty& value);
    virtual HResult GetProperty(int32_t code, WeatherProperty* value) const;
    // Shows or hides a parameter (0: every parameter).
    virtual HResult ShowParameter(int32_t code, int32_t on);
    // Draws the shown parameters but temperature with painter, whose transform takes device
    // points (pixels from the window centre, y up) to its pixels. kFalse when nothing could be
    // drawn (nothing shown, no data, nothing attached).
    virtual HResult Draw(QPainter* painter, int32_t mode) const;
    // The value at the step shown; kFalse with kWeatherMissing when there is none.
    virtual HResult Value(int32_t code, double lat, double lon, double* first, double* second) const;

    virtual HResult Advise(WeatherListeners::Listener listener, int32_t* cookie);
    virtual HResult Unadvise(int32_t cookie);

    bool IsShown(int32_t code) const { return shown_.count(ForecastParameter(code)) != 0; }
    double ShownTime() const;
    int32_t StepCount() const;

private:
    // The scene at the step shown through projection and viewport, in colours (low to high).
    WeatherScene Scene(const GeoProjection* projection, const MapViewport* viewport, std::vector<QColor> ramp) const;
    // The "wthr" colours of the scheme set.
    std::vector<QColor> SchemeRamp() const;
    // The "wthr" colours as the chart draw's palette shows them (its current scheme).
    std::vector<QColor> PaletteRamp(const DrawBlock& block) const;
    void DrawTemperature(QPainter& painter, const DrawBlock& block) const;

    std::shared_ptr<WeatherTool> tool_;
    int32_t toolCookie_ = 0;
    std::set<int32_t> shown_;
    int32_t step_ = 0;
    int32_t scheme_ = 0;
    std::shared_ptr<const GeoProjection> projection_;
    const MapViewport* viewport_ = nullptr;
    std::shared_ptr<const DrawCompanion::Underlay> underlay_;
    const Symbolization* symbolization_ = nullptr;
    WeatherListeners listeners_;
};

}  // namespace chartengine
