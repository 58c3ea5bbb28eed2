#pragma once
// Reads the messages of a GRIB file (editions 1 and 2) with ecCodes and hands over each field
// of a forecast quantity on a regular latitude / longitude grid, rearranged south row first and
// west column first, in the file's own units. Other grids and quantities are reported and
// skipped.

#include "platform/chartengine/GribForecast.h"

#include <functional>

namespace chartengine {

struct GribMessageField {
    int32_t code = 0;            // forecast parameter code
    int component = 0;           // 0 first, 1 second (northward) component
    std::string shortName;
    long edition = 2;
    ForecastGrid grid;
    std::vector<float> values;   // NaN = missing
    double scale = 1;            // to the forecast's unit (mm/h for precipitation)
    long dataDate = 0, dataTime = 0;          // the model run, UTC
    long validityDate = 0, validityTime = 0;  // UTC
    long stepHours = 0;          // hours from the run to the valid time
};

// kAbort when the file is missing or not GRIB from its first byte on; otherwise kOk whatever
// the messages held (report counts and lists them).
HResult ReadGribFields(const std::filesystem::path& file, ForecastLoadReport* report,
                       const std::function<void(GribMessageField&&)>& take);

}  // namespace chartengine

namespace chartengine {

// The model run (UTC yyyymmdd, hhmm) of the file's first message; kAbort when it has none.
HResult ReadGribReference(const std::filesystem::path& file, long* date, long* time);

}  // namespace chartengine
