#include "platform/chartengine/WeatherTool.h"

#include "platform/chartengine/WeatherClient.h"
#include "platform/chartengine/WeatherUpdate.h"

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
    listeners_.PostLater(1, {0, 0});
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

HResult WeatherTool::Advise(WeatherListeners::Listener listener, int32_t* cookie)
{
    return listeners_.Advise(std::move(listener), cookie);
}

HResult WeatherTool::Unadvise(int32_t cookie)
{
    return listeners_.Unadvise(cookie);
}

HResult WeatherTool::CreateClient(std::shared_ptr<WeatherClient>* client)
{
    if (!client)
        return kNullPointer;
    *client = std::make_shared<WeatherClient>(shared_from_this());
    return kOk;
}

HResult WeatherTool::AttachUpdates(WeatherUpdate* update)
{
    if (!update)
        return kFalse;
    update->AttachTool(shared_from_this());
    return kOk;
}

}  // namespace chartengine
