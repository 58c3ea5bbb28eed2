#include "platform/chartengine/WeatherTool.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <algorithm>

namespace chartengine {

WeatherTool::WeatherTool(std::filesystem::path folder) : folder_(std::move(folder)) {}

HResult WeatherTool::Initialize(const std::string& gribFile, const std::string& cycloneFile,
                                const WeatherProperty& codes, int32_t smoothingMinutes)
{
    const auto* list = std::get_if<std::vector<int32_t>>(&codes);
    if (gribFile.empty() || !list || smoothingMinutes <= 0 || smoothingMinutes > 1440)
        return kInvalidArgument;
    const std::filesystem::path file(gribFile);
    dataFile_ = file.is_absolute() ? file : folder_ / file;
    cycloneFile_ = cycloneFile.empty() ? std::filesystem::path() : folder_ / cycloneFile;
    codes_ = *list;
    smoothing_ = smoothingMinutes;
    return Reload();
}

HResult WeatherTool::Reload()
{
    GribForecast loaded;
    ForecastLoadReport report;
    const HResult result = loaded.Load(dataFile_, &report);
    report_ = report;
    if (Failed(result))
        return result;
    forecast_ = std::move(loaded);
    NotifyLater();
    return kOk;
}

HResult WeatherTool::GetProperty(int32_t code, WeatherProperty* value) const
{
    if (!value)
        return kNullPointer;
    if ((code & 0xFFFF) == kToolHoldsParameter && code > 0xFFFF) {
        const int32_t parameter = code >> 16;
        const bool asked = std::find(codes_.begin(), codes_.end(), parameter) != codes_.end();
        *value = static_cast<int32_t>(asked && forecast_.Holds(parameter) ? 1 : 0);
        return kOk;
    }
    double south = 0, west = 0, north = 0, east = 0;
    if (!forecast_.Empty())
        forecast_.Area(&south, &west, &north, &east);
    switch (code) {
    case kToolFirstTime: *value = forecast_.Empty() ? kWeatherMissing : forecast_.FirstTime(); return kOk;
    case kToolLastTime: *value = forecast_.Empty() ? kWeatherMissing : forecast_.LastTime(); return kOk;
    case kToolReferenceTime: *value = forecast_.Empty() ? kWeatherMissing : forecast_.ReferenceTime(); return kOk;
    case kToolSouth: *value = forecast_.Empty() ? kWeatherMissing : south; return kOk;
    case kToolWest: *value = forecast_.Empty() ? kWeatherMissing : west; return kOk;
    case kToolNorth: *value = forecast_.Empty() ? kWeatherMissing : north; return kOk;
    case kToolEast: *value = forecast_.Empty() ? kWeatherMissing : east; return kOk;
    default: return kInvalidArgument;
    }
}

HResult WeatherTool::ForecastValue(int32_t code, int32_t index, double lat, double lon, double* first,
                                   double* second) const
{
    if (!first || !second)
        return kNullPointer;
    *first = kWeatherMissing;
    *second = kWeatherMissing;
    if (index < 0 || forecast_.Empty())
        return kFalse;
    const double time = forecast_.FirstTime() + index * (smoothing_ / 1440.0);
    return forecast_.ValueAt(code, time, lat, lon, first, second);
}

HResult WeatherTool::Advise(Listener listener, int32_t* cookie)
{
    if (!listener || !cookie)
        return kInvalidArgument;
    *cookie = nextCookie_++;
    listeners_.emplace(*cookie, std::move(listener));
    return kOk;
}

HResult WeatherTool::Unadvise(int32_t cookie)
{
    return listeners_.erase(cookie) ? kOk : kInvalidArgument;
}

void WeatherTool::NotifyLater()
{
    if (listeners_.empty() || !QCoreApplication::instance())
        return;
    // The cookies of this moment; a listener removed before the loop runs is not called.
    std::vector<int32_t> cookies;
    for (const auto& [cookie, listener] : listeners_)
        cookies.push_back(cookie);
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this, cookies, lifetime = std::weak_ptr<int>(lifetime_)] {
            if (lifetime.expired())
                return;
            for (int32_t cookie : cookies) {
                const auto found = listeners_.find(cookie);
                if (found != listeners_.end())
                    found->second(1, 0);
            }
        },
        Qt::QueuedConnection);
}

}  // namespace chartengine
