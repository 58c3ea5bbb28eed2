#pragma once
// Writes GRIB messages of one quantity on a regular latitude / longitude grid through ecCodes,
// starting from its stock sample of the edition asked for. Used to make the example forecast,
// to cut a forecast to a request area and by the tests for their fixtures.

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace chartengine {

struct GribGridField {
    int edition = 2;             // 1 or 2
    std::string shortName;       // ecCodes short name: "msl", "10u", "2t", "swh", "prate" ...
    double west = 0;             // degrees of the south-west grid point
    double south = 0;
    double increment = 1;        // grid spacing in degrees, the same both ways
    int32_t columns = 0;         // points along a parallel
    int32_t rows = 0;            // points along a meridian
    bool northFirst = true;      // rows stored north to south (the usual GRIB order)
    bool eastFirst = false;      // columns stored east to west
    long referenceDate = 0;      // yyyymmdd of the model run
    long referenceTime = 0;      // hhmm of the model run
    long stepHours = 0;          // forecast hour of this field
    // Row-major, south row first, west column first; NaN is a missing point (sent as a bitmap).
    std::vector<double> values;
};

// The encoded message, or an empty string when ecCodes refuses the field.
std::string EncodeGribField(const GribGridField& field);

// One message of an ecCodes sample (e.g. "lambert_bf_grib2") with its quantity set, as it stands.
std::string EncodeGribSample(const std::string& sampleName, const std::string& shortName);

}  // namespace chartengine
