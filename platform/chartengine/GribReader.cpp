#include "platform/chartengine/GribReader.h"

#include <eccodes.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <string_view>

namespace chartengine {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
struct HandleDeleter {
    void operator()(codes_handle* handle) const { codes_handle_delete(handle); }
};
using Handle = std::unique_ptr<codes_handle, HandleDeleter>;

// Decoded missing points come back as this value.
constexpr double kDecodeMissing = 1.0e300;

struct Quantity {
    const char* shortName;
    int32_t code;
    int component;    // 0 first, 1 second (northward) component
    double scale;     // to the forecast's unit
};

// prate comes in kg m-2 s-1; tp is handled apart (an amount over an interval).
constexpr std::array<Quantity, 11> kQuantities{{{"msl", kPressureMsl, 0, 1},
                                                {"prmsl", kPressureMsl, 0, 1},
                                                {"10u", kWind10m, 0, 1},
                                                {"10v", kWind10m, 1, 1},
                                                {"2t", kTemperature2m, 0, 1},
                                                {"ucurr", kCurrent, 0, 1},
                                                {"vcurr", kCurrent, 1, 1},
                                                {"swh", kWaveHeight, 0, 1},
                                                {"mwd", kWaveDirection, 0, 1},
                                                {"dirpw", kWaveDirection, 0, 1},
                                                {"prate", kPrecipitation, 0, 3600}}};

std::string StringKey(codes_handle* h, const char* key)
{
    char buffer[128] = {};
    size_t length = sizeof buffer;
    if (codes_get_string(h, key, buffer, &length) != 0)
        return {};
    return buffer;
}

long LongKey(codes_handle* h, const char* key, long fallback = 0)
{
    long value = fallback;
    return codes_get_long(h, key, &value) == 0 ? value : fallback;
}

double DoubleKey(codes_handle* h, const char* key, double fallback = 0)
{
    double value = fallback;
    return codes_get_double(h, key, &value) == 0 ? value : fallback;
}

// The keys that decide a message's parameter name (ecCodes' shortName concept) for every
// quantity read here, as one text. The concept's evaluation costs about as much as decoding the
// values, so a file's names are looked up once per set of these keys.
std::string NameKeys(codes_handle* h)
{
    static constexpr const char* kKeys[] = {
        "edition", "centre", "subCentre", "tablesVersion", "localTablesVersion", "discipline", "parameterCategory",
        "parameterNumber", "productDefinitionTemplateNumber", "typeOfFirstFixedSurface",
        "scaleFactorOfFirstFixedSurface", "scaledValueOfFirstFixedSurface", "typeOfSecondFixedSurface",
        "scaleFactorOfSecondFixedSurface", "scaledValueOfSecondFixedSurface", "typeOfStatisticalProcessing",
        "table2Version", "indicatorOfParameter", "indicatorOfTypeOfLevel", "level", "timeRangeIndicator"};
    std::string keys;
    for (const char* key : kKeys) {
        long value = 0;
        keys += codes_get_long(h, key, &value) == 0 ? std::to_string(value) : "-";
        keys += ',';
    }
    return keys;
}

double NormalLongitude(double lon)
{
    lon = std::fmod(lon, 360.0);
    if (lon >= 180.0)
        lon -= 360.0;
    if (lon < -180.0)
        lon += 360.0;
    return lon;
}

// The grid of a regular lat/lon message, its values rearranged south row first, west column
// first. False when the message is not such a grid or its values do not fit it.
bool ReadGrid(codes_handle* h, ForecastGrid* grid, std::vector<float>* values, std::string* why)
{
    const std::string gridType = StringKey(h, "gridType");
    if (gridType != "regular_ll") {
        *why = "grid type " + (gridType.empty() ? std::string("unknown") : gridType) + " is not a regular lat/lon grid";
        return false;
    }
    const long ni = LongKey(h, "Ni"), nj = LongKey(h, "Nj");
    if (ni < 2 || nj < 2 || ni > 100000 || nj > 100000) {
        *why = "grid of fewer than 2 x 2 points";
        return false;
    }
    const bool iNegative = LongKey(h, "iScansNegatively") != 0;
    const bool jPositive = LongKey(h, "jScansPositively") != 0;
    const bool jConsecutive = LongKey(h, "jPointsAreConsecutive") != 0;
    const double lat1 = DoubleKey(h, "latitudeOfFirstGridPointInDegrees");
    const double lat2 = DoubleKey(h, "latitudeOfLastGridPointInDegrees");
    const double lon1 = DoubleKey(h, "longitudeOfFirstGridPointInDegrees");
    const double lon2 = DoubleKey(h, "longitudeOfLastGridPointInDegrees");
    const double westFirst = iNegative ? lon2 : lon1;
    double span = (iNegative ? lon1 - lon2 : lon2 - lon1);
    span = std::fmod(span + 720.0, 360.0);
    grid->columns = static_cast<int32_t>(ni);
    grid->rows = static_cast<int32_t>(nj);
    grid->west = NormalLongitude(westFirst);
    grid->south = std::min(lat1, lat2);
    grid->lonStep = span / static_cast<double>(ni - 1);
    grid->latStep = std::abs(lat2 - lat1) / static_cast<double>(nj - 1);
    if (grid->lonStep <= 0 || grid->latStep <= 0) {
        *why = "grid with no extent";
        return false;
    }
    grid->wraps = std::abs(grid->lonStep * static_cast<double>(ni) - 360.0) < grid->lonStep * 0.01;

    codes_set_double(h, "missingValue", kDecodeMissing);
    size_t count = 0;
    if (codes_get_size(h, "values", &count) != 0 || count != static_cast<size_t>(ni * nj)) {
        *why = "values do not fill the grid";
        return false;
    }
    std::vector<double> raw(count);
    if (codes_get_double_array(h, "values", raw.data(), &count) != 0) {
        *why = "values cannot be decoded";
        return false;
    }
    values->assign(count, 0.0f);
    for (size_t k = 0; k < count; ++k) {
        const long i = jConsecutive ? static_cast<long>(k) / nj : static_cast<long>(k) % ni;
        const long j = jConsecutive ? static_cast<long>(k) % nj : static_cast<long>(k) / ni;
        const long column = iNegative ? ni - 1 - i : i;
        const long row = jPositive ? j : nj - 1 - j;
        (*values)[static_cast<size_t>(row * ni + column)] =
            raw[k] >= kDecodeMissing * 0.5 ? NAN : static_cast<float>(raw[k]);
    }
    return true;
}

}  // namespace

HResult ReadGribFields(const std::filesystem::path& file, ForecastLoadReport* report,
                       const std::function<void(GribMessageField&&)>& take)
{
    ForecastLoadReport& out = *report;
    out = {};
    std::unique_ptr<std::FILE, FileCloser> in(std::fopen(file.c_str(), "rb"));
    if (!in)
        return kAbort;
    char magic[4] = {};
    if (std::fread(magic, 1, 4, in.get()) != 4 || std::string_view(magic, 4) != "GRIB")
        return kAbort;
    std::rewind(in.get());

    std::map<std::string, std::string> names;  // NameKeys -> shortName
    for (;;) {
        int error = 0;
        Handle handle(codes_handle_new_from_file(nullptr, in.get(), PRODUCT_GRIB, &error));
        if (!handle) {
            if (error != 0 && error != CODES_END_OF_FILE)
                out.skipped.push_back("message " + std::to_string(out.messages + 1) + ": " + codes_get_error_message(error));
            break;
        }
        codes_handle* h = handle.get();
        ++out.messages;
        const std::string label = "message " + std::to_string(out.messages);
        GribMessageField field;
        const std::string keys = NameKeys(h);
        auto name = names.find(keys);
        if (name == names.end())
            name = names.emplace(keys, StringKey(h, "shortName")).first;
        field.shortName = name->second;
        const Quantity* quantity = nullptr;
        for (const Quantity& q : kQuantities)
            if (field.shortName == q.shortName)
                quantity = &q;
        field.scale = quantity ? quantity->scale : 1.0;
        codes_set_long(h, "stepUnits", 1);
        if (!quantity && field.shortName == "tp") {
            // An amount over an interval: the mean rate over it, valid at its end.
            static constexpr Quantity kTotal{"tp", kPrecipitation, 0, 1};
            const long hours = LongKey(h, "endStep") - LongKey(h, "startStep");
            if (hours <= 0) {
                out.skipped.push_back(label + ": tp without an accumulation interval");
                continue;
            }
            quantity = &kTotal;
            field.scale = (StringKey(h, "units") == "m" ? 1000.0 : 1.0) / static_cast<double>(hours);
        }
        if (!quantity) {
            out.skipped.push_back(label + ": " + (field.shortName.empty() ? std::string("unknown") : field.shortName) +
                                  " is not a quantity of the forecast");
            continue;
        }
        std::string why;
        if (!ReadGrid(h, &field.grid, &field.values, &why)) {
            out.skipped.push_back(label + ": " + why);
            continue;
        }
        field.code = quantity->code;
        field.component = quantity->component;
        field.edition = LongKey(h, "edition", 2);
        field.dataDate = LongKey(h, "dataDate");
        field.dataTime = LongKey(h, "dataTime");
        field.validityDate = LongKey(h, "validityDate");
        field.validityTime = LongKey(h, "validityTime");
        field.stepHours = LongKey(h, "endStep");
        take(std::move(field));
    }
    return kOk;
}

}  // namespace chartengine

namespace chartengine {

HResult ReadGribReference(const std::filesystem::path& file, long* date, long* time)
{
    std::unique_ptr<std::FILE, FileCloser> in(std::fopen(file.c_str(), "rb"));
    if (!in)
        return kAbort;
    int error = 0;
    Handle handle(codes_handle_new_from_file(nullptr, in.get(), PRODUCT_GRIB, &error));
    if (!handle)
        return kAbort;
    *date = LongKey(handle.get(), "dataDate");
    *time = LongKey(handle.get(), "dataTime");
    return kOk;
}

}  // namespace chartengine
