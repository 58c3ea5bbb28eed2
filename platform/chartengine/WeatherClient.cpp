#include "platform/chartengine/WeatherClient.h"

#include "platform/chartengine/Symbolization.h"

#include <cmath>

namespace chartengine {

namespace {

// The parameters a client shows; 0x103 is known to the callers but not held by any forecast.
constexpr int32_t kKnownParameters[] = {0x101, 0x103, 0x201, 0x301, 0x401, 0x501, 0x502, 0x701};

}  // namespace

WeatherClient::WeatherClient(std::shared_ptr<WeatherTool> tool) : tool_(std::move(tool))
{
    if (tool_)
        tool_->Advise([this](int32_t, const std::vector<int32_t>&) {
            step_ = std::min(step_, std::max(0, StepCount() - 1));
            listeners_.PostLater(2, {0});
        }, &toolCookie_);
}

WeatherClient::~WeatherClient()
{
    if (tool_)
        tool_->Unadvise(toolCookie_);
}

HResult WeatherClient::Attach(const Attachment& object)
{
    if (std::holds_alternative<std::nullptr_t>(object)) {
        projection_.reset();
        viewport_ = nullptr;
        underlay_.reset();
        symbolization_ = nullptr;
    } else if (const auto* companion = std::get_if<DrawCompanion*>(&object)) {
        // A companion no longer held drops the underlay; one destroyed first never calls it.
        underlay_.reset();
        if (*companion) {
            underlay_ = std::make_shared<const DrawCompanion::Underlay>(
                [this](QPainter& painter, const DrawBlock& block) { DrawTemperature(painter, block); });
            (*companion)->AddUnderlay(underlay_);
        }
    } else if (const auto* projection = std::get_if<std::shared_ptr<const GeoProjection>>(&object)) {
        projection_ = *projection;
    } else if (const auto* viewport = std::get_if<const MapViewport*>(&object)) {
        viewport_ = *viewport;
    } else if (const auto* symbolization = std::get_if<const Symbolization*>(&object)) {
        symbolization_ = *symbolization;
    }
    return kOk;
}

int32_t WeatherClient::StepCount() const
{
    const GribForecast& forecast = tool_->Forecast();
    if (forecast.Empty())
        return 0;
    return static_cast<int32_t>(
        std::lround((forecast.LastTime() - forecast.FirstTime()) * 1440.0 / tool_->SmoothingMinutes()));
}

double WeatherClient::ShownTime() const
{
    return tool_->Forecast().FirstTime() + step_ * (tool_->SmoothingMinutes() / 1440.0);
}

HResult WeatherClient::PutProperty(int32_t code, const WeatherProperty& value)
{
    const auto* number = std::get_if<int32_t>(&value);
    if (!number)
        return kInvalidArgument;
    if (code == kClientStepShown) {
        if (*number < 0 || *number > std::max(0, StepCount()))
            return kInvalidArgument;
        step_ = *number;
        listeners_.PostLater(2, {0});
        return kOk;
    }
    if (code == kClientColourScheme) {
        if (*number < 0 || *number >= kColourSchemeCount)
            return kInvalidArgument;
        scheme_ = *number;
        return kOk;
    }
    return kInvalidArgument;
}

HResult WeatherClient::GetProperty(int32_t code, WeatherProperty* value) const
{
    if (!value)
        return kNullPointer;
    switch (code) {
    case kClientSmoothing: *value = tool_->SmoothingMinutes(); return kOk;
    case kClientStepCount: *value = StepCount(); return kOk;
    case kClientStepShown: *value = step_; return kOk;
    case kClientColourScheme: *value = scheme_; return kOk;
    case kClientDataReady: *value = static_cast<int32_t>(tool_->Forecast().Empty() ? 0 : 1); return kOk;
    default: return kInvalidArgument;
    }
}

HResult WeatherClient::ShowParameter(int32_t code, int32_t on)
{
    if (code == 0) {
        if (on)
            shown_.insert(std::begin(kKnownParameters), std::end(kKnownParameters));
        else
            shown_.clear();
    } else if (on) {
        shown_.insert(ForecastParameter(code));
    } else {
        shown_.erase(ForecastParameter(code));
    }
    listeners_.PostLater(2, {0});
    return kOk;
}

WeatherScene WeatherClient::Scene(const GeoProjection* projection, const MapViewport* viewport,
                                  std::vector<QColor> ramp) const
{
    WeatherScene scene;
    scene.forecast = &tool_->Forecast();
    scene.time = ShownTime();
    scene.shown = shown_;
    scene.projection = projection;
    scene.viewport = viewport;
    scene.ramp = std::move(ramp);
    scene.ink = WeatherInk(scheme_);
    return scene;
}

std::vector<QColor> WeatherClient::SchemeRamp() const
{
    return symbolization_ ? WeatherRamp(*symbolization_, scheme_) : std::vector<QColor>{};
}

std::vector<QColor> WeatherClient::PaletteRamp(const DrawBlock& block) const
{
    if (!symbolization_)
        return {};
    const std::vector<uint16_t>& indices = symbolization_->PaletteIndices();
    if (block.palette.empty() || indices.size() != static_cast<size_t>(kS52ColourCount))
        return SchemeRamp();
    std::vector<QColor> ramp;
    for (uint16_t index : indices) {
        if (index >= block.palette.size())
            return SchemeRamp();
        ramp.push_back(QColor(block.palette[index]));
    }
    return ramp;
}

void WeatherClient::DrawTemperature(QPainter& painter, const DrawBlock& block) const
{
    if (!shown_.count(kTemperature2m) || !block.projection || !block.viewport)
        return;
    WeatherScene scene = Scene(block.projection, block.viewport, PaletteRamp(block));
    scene.shown = {kTemperature2m};
    DrawWeatherScene(painter, scene);
}

HResult WeatherClient::Draw(QPainter* painter, int32_t) const
{
    if (!painter)
        return kNullPointer;
    WeatherScene scene = Scene(projection_.get(), viewport_, SchemeRamp());
    scene.shown.erase(kTemperature2m);
    return DrawWeatherScene(*painter, scene) ? kOk : kFalse;
}

HResult WeatherClient::Value(int32_t code, double lat, double lon, double* first, double* second) const
{
    if (!first || !second)
        return kNullPointer;
    return tool_->Forecast().ValueAt(code, ShownTime(), lat, lon, first, second);
}

HResult WeatherClient::Advise(WeatherListeners::Listener listener, int32_t* cookie)
{
    return listeners_.Advise(std::move(listener), cookie);
}

HResult WeatherClient::Unadvise(int32_t cookie)
{
    return listeners_.Unadvise(cookie);
}

}  // namespace chartengine
