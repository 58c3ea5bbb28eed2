#pragma once
// A GRIB forecast decoded with ecCodes (editions 1 and 2, regular latitude / longitude grids in
// any scanning order and either longitude convention), held per weather parameter code as
// fields on one grid by forecast time. Values are bilinear in space and linear in time between
// the file's steps; a place outside the grid or next to a missing point has no value.

#include "platform/chartengine/EngineStatus.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace chartengine {

// What the forecast answers where it has no value.
inline constexpr double kWeatherMissing = 1.797693134862316e300;
inline constexpr HResult kAbort = static_cast<HResult>(0x80004004u);

// The parameter codes the forecast knows: group (high byte) | parameter (low byte).
inline constexpr int32_t kPressureMsl = 0x101;     // Pa
inline constexpr int32_t kWind10m = 0x201;         // m/s, eastward and northward
inline constexpr int32_t kTemperature2m = 0x301;   // K
inline constexpr int32_t kCurrent = 0x401;         // m/s, eastward and northward
inline constexpr int32_t kWaveHeight = 0x501;      // m
inline constexpr int32_t kWaveDirection = 0x502;   // degrees the waves come from
inline constexpr int32_t kPrecipitation = 0x701;   // mm/h

// A bare group code (0x200) stands for its first parameter (0x201).
int32_t ForecastParameter(int32_t code);
// Wind and current carry two components.
bool IsVectorParameter(int32_t code);

struct ForecastGrid {
    double west = 0, south = 0;        // degrees of the south-west point; west in -180..180
    double lonStep = 1, latStep = 1;   // degrees
    int32_t columns = 0, rows = 0;
    bool wraps = false;                // the columns go round the earth
    bool SameAs(const ForecastGrid& other) const;
};

struct ForecastField {
    double time = 0;                   // valid time, days since 30 December 1899, local time
    std::vector<float> first, second;  // south row first, west column first; NaN = missing
};

struct ForecastSeries {
    ForecastGrid grid;
    std::vector<ForecastField> fields;  // by time, ascending
};

struct ForecastLoadReport {
    int32_t messages = 0;
    int32_t used = 0;
    std::vector<std::string> skipped;  // one line per message left out, and why
};

class GribForecast {
public:
    // kAbort when the file is missing or not GRIB from its first byte on, kFail when it holds no
    // usable message; the forecast is unchanged then.
    HResult Load(const std::filesystem::path& file, ForecastLoadReport* report = nullptr);

    bool Holds(int32_t code) const;
    bool Empty() const { return series_.empty(); }
    double FirstTime() const { return firstTime_; }
    double LastTime() const { return lastTime_; }
    double ReferenceTime() const { return referenceTime_; }
    // The area all grids span, degrees: south, west, north, east.
    void Area(double* south, double* west, double* north, double* east) const;

    // The value at time (days) and place; kFalse and both values kWeatherMissing when there is
    // none. second is the northward component of wind and current, else kWeatherMissing.
    HResult ValueAt(int32_t code, double time, double lat, double lon, double* first, double* second) const;

    const std::map<int32_t, ForecastSeries>& Series() const { return series_; }

private:
    std::map<int32_t, ForecastSeries> series_;
    double firstTime_ = 0, lastTime_ = 0, referenceTime_ = 0;
};

// Days since 30 December 1899 in local time of a UTC date yyyymmdd and time hhmm.
double ForecastDays(long yyyymmdd, long hhmm);

}  // namespace chartengine
