#pragma once
// The weather tool of the engine: holds the forecast of the program folder's GRIB file and
// answers its properties and values. Property values are typed; listeners are told of new data
// from the main loop, never inside a call of the tool.

#include "platform/chartengine/EngineStatus.h"
#include "platform/chartengine/GribForecast.h"
#include "platform/chartengine/WeatherListeners.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace chartengine {

using WeatherProperty = std::variant<std::monostate, int32_t, double, std::string, std::vector<int32_t>>;

inline constexpr HResult kUnexpected = static_cast<HResult>(0x8000FFFFu);

// Tool properties.
inline constexpr int32_t kToolFirstTime = 2;      // days since 30 December 1899, local time
inline constexpr int32_t kToolLastTime = 3;
inline constexpr int32_t kToolReferenceTime = 17; // the model run of the data
inline constexpr int32_t kToolSouth = 11, kToolWest = 12, kToolNorth = 13, kToolEast = 14;
// (parameter code << 16) | kToolHoldsParameter: non-zero when the data hold that parameter.
inline constexpr int32_t kToolHoldsParameter = 10;

class WeatherClient;
class WeatherUpdate;

class WeatherTool : public std::enable_shared_from_this<WeatherTool> {
public:
    // Relative file names are taken in folder (the program folder).
    explicit WeatherTool(std::filesystem::path folder);
    virtual ~WeatherTool() = default;
    WeatherTool(const WeatherTool&) = delete;
    WeatherTool& operator=(const WeatherTool&) = delete;

    // Reads gribFile; codes (a vector of parameter codes) are those the caller will ask for,
    // smoothingMinutes the time between two forecast indexes. kAbort for a missing or
    // undecodable file, kFail for a file without a usable message, kInvalidArgument for bad
    // arguments; the data held before stay then.
    virtual HResult Initialize(const std::string& gribFile, const std::string& cycloneFile,
                               const WeatherProperty& codes, int32_t smoothingMinutes);
    virtual HResult GetProperty(int32_t code, WeatherProperty* value) const;
    // The value at forecast index (smoothing steps after the first time); kFalse with
    // kWeatherMissing when there is none.
    virtual HResult ForecastValue(int32_t code, int32_t index, double lat, double lon, double* first,
                                  double* second) const;
    // Reads the data file again (after the update service replaced it).
    virtual HResult Reload();

    const GribForecast& Forecast() const { return forecast_; }
    int32_t SmoothingMinutes() const { return smoothing_; }
    std::filesystem::path DataFile() const { return dataFile_; }
    std::filesystem::path Folder() const { return folder_; }
    const ForecastLoadReport& LoadReport() const { return report_; }

    // Told of new data with event 1 and arguments (0, 0).
    virtual HResult Advise(WeatherListeners::Listener listener, int32_t* cookie);
    virtual HResult Unadvise(int32_t cookie);
    size_t ListenerCount() const { return listeners_.Count(); }

    // A client that draws and answers values of this tool's data.
    virtual HResult CreateClient(std::shared_ptr<WeatherClient>* client);
    // Gives the update service the tool to refresh after a download; kFalse for none.
    virtual HResult AttachUpdates(WeatherUpdate* update);

private:

    std::filesystem::path folder_;
    std::filesystem::path dataFile_;
    std::filesystem::path cycloneFile_;
    int32_t smoothing_ = 30;
    std::vector<int32_t> codes_;
    GribForecast forecast_;
    ForecastLoadReport report_;
    WeatherListeners listeners_;
};

}  // namespace chartengine
