#include "platform/chartengine/GribWriter.h"

#include <eccodes.h>

#include <memory>

namespace chartengine {

namespace {

struct HandleDeleter {
    void operator()(codes_handle* handle) const { codes_handle_delete(handle); }
};
using Handle = std::unique_ptr<codes_handle, HandleDeleter>;

// A missing point while encoding; never a value of a real field.
constexpr double kEncodeMissing = 9.999e20;

std::string MessageBytes(codes_handle* handle)
{
    const void* message = nullptr;
    size_t size = 0;
    if (codes_get_message(handle, &message, &size) != 0)
        return {};
    return std::string(static_cast<const char*>(message), size);
}

bool SetShortName(codes_handle* handle, const std::string& shortName)
{
    size_t length = shortName.size();
    return codes_set_string(handle, "shortName", shortName.c_str(), &length) == 0;
}

}  // namespace

std::string EncodeGribField(const GribGridField& field)
{
    if (field.columns < 2 || field.rows < 2 ||
        field.values.size() != static_cast<size_t>(field.columns) * static_cast<size_t>(field.rows))
        return {};
    const char* sample = field.edition == 1 ? "regular_ll_sfc_grib1" : "regular_ll_sfc_grib2";
    Handle handle(codes_grib_handle_new_from_samples(nullptr, sample));
    if (!handle)
        return {};
    codes_handle* h = handle.get();
    const double east = field.west + field.increment * (field.columns - 1);
    const double north = field.south + field.increment * (field.rows - 1);
    bool ok = SetShortName(h, field.shortName);
    ok = ok && codes_set_long(h, "Ni", field.columns) == 0 && codes_set_long(h, "Nj", field.rows) == 0;
    ok = ok && codes_set_long(h, "iScansNegatively", field.eastFirst ? 1 : 0) == 0;
    ok = ok && codes_set_long(h, "jScansPositively", field.northFirst ? 0 : 1) == 0;
    ok = ok && codes_set_double(h, "latitudeOfFirstGridPointInDegrees", field.northFirst ? north : field.south) == 0;
    ok = ok && codes_set_double(h, "latitudeOfLastGridPointInDegrees", field.northFirst ? field.south : north) == 0;
    ok = ok && codes_set_double(h, "longitudeOfFirstGridPointInDegrees", field.eastFirst ? east : field.west) == 0;
    ok = ok && codes_set_double(h, "longitudeOfLastGridPointInDegrees", field.eastFirst ? field.west : east) == 0;
    ok = ok && codes_set_double(h, "iDirectionIncrementInDegrees", field.increment) == 0;
    ok = ok && codes_set_double(h, "jDirectionIncrementInDegrees", field.increment) == 0;
    ok = ok && codes_set_long(h, "dataDate", field.referenceDate) == 0;
    ok = ok && codes_set_long(h, "dataTime", field.referenceTime) == 0;
    ok = ok && codes_set_long(h, "stepUnits", 1) == 0 && codes_set_long(h, "endStep", field.stepHours) == 0;
    if (!ok)
        return {};

    // The values in the message's own scanning order.
    std::vector<double> ordered(field.values.size());
    bool anyMissing = false;
    size_t k = 0;
    for (int32_t j = 0; j < field.rows; ++j) {
        const int32_t row = field.northFirst ? field.rows - 1 - j : j;
        for (int32_t i = 0; i < field.columns; ++i) {
            const int32_t column = field.eastFirst ? field.columns - 1 - i : i;
            const double value = field.values[static_cast<size_t>(row) * field.columns + column];
            anyMissing = anyMissing || std::isnan(value);
            ordered[k++] = std::isnan(value) ? kEncodeMissing : value;
        }
    }
    if (anyMissing && (codes_set_double(h, "missingValue", kEncodeMissing) != 0 ||
                       codes_set_long(h, "bitmapPresent", 1) != 0))
        return {};
    // 16 bits keep a pressure in Pa to well under 1 Pa over a weather range.
    if (codes_set_long(h, "bitsPerValue", 16) != 0 ||
        codes_set_double_array(h, "values", ordered.data(), ordered.size()) != 0)
        return {};
    return MessageBytes(h);
}

std::string EncodeGribSample(const std::string& sampleName, const std::string& shortName)
{
    Handle handle(codes_grib_handle_new_from_samples(nullptr, sampleName.c_str()));
    if (!handle || !SetShortName(handle.get(), shortName))
        return {};
    return MessageBytes(handle.get());
}

}  // namespace chartengine
