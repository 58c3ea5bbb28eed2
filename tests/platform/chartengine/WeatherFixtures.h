#pragma once
// Small GRIB forecasts for the weather tests, written through the same writer as the example
// forecast, and the shipped example itself.

#include "platform/chartengine/GribWriter.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace weatherfixtures {

// A field of shortName on a grid of columns x rows from (west, south) at step degrees, valued
// value(lat, lon) (NaN for a missing point), 20261211 00 UTC + stepHours.
chartengine::GribGridField Field(const std::string& shortName, double west, double south, double step,
                                 int columns, int rows, long stepHours,
                                 const std::function<double(double lat, double lon)>& value);

// Writes the messages of fields, one after the other; true when ecCodes took every one.
bool WriteGrib(const std::filesystem::path& file, const std::vector<chartengine::GribGridField>& fields);
void WriteBytes(const std::filesystem::path& file, const std::string& bytes);

std::filesystem::path ExampleForecast();  // data/gribdata.grb of the source tree

}  // namespace weatherfixtures
