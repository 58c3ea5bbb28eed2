#include "platform/chartengine/GribForecast.h"

#include <QDateTime>
#include <QTimeZone>

#include <eccodes.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>

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
bool ReadGrid(codes_handle* h, double scale, ForecastGrid* grid, std::vector<float>* values, std::string* why)
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
            raw[k] >= kDecodeMissing * 0.5 ? NAN : static_cast<float>(raw[k] * scale);
    }
    return true;
}

// Bilinear value of one component; NaN outside the grid or next to a missing point.
double Bilinear(const ForecastGrid& grid, const std::vector<float>& values, double lat, double lon)
{
    const double y = (lat - grid.south) / grid.latStep;
    double x = std::fmod(lon - grid.west, 360.0);
    if (x < 0)
        x += 360.0;
    x /= grid.lonStep;
    const double lastColumn = grid.wraps ? grid.columns : grid.columns - 1;
    const double eps = 1e-9;
    if (y < -eps || y > grid.rows - 1 + eps || x > lastColumn + eps)
        return NAN;
    const auto row = static_cast<int32_t>(std::clamp(std::floor(y), 0.0, static_cast<double>(grid.rows - 2)));
    const auto column = static_cast<int32_t>(std::clamp(std::floor(x), 0.0, lastColumn - 1));
    const double fy = std::clamp(y - row, 0.0, 1.0), fx = std::clamp(x - column, 0.0, 1.0);
    const int32_t nextColumn = (column + 1) % grid.columns;
    const double weights[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
    const size_t points[4] = {static_cast<size_t>(row) * grid.columns + column,
                              static_cast<size_t>(row) * grid.columns + nextColumn,
                              static_cast<size_t>(row + 1) * grid.columns + column,
                              static_cast<size_t>(row + 1) * grid.columns + nextColumn};
    double sum = 0;
    for (int k = 0; k < 4; ++k) {
        if (weights[k] == 0)
            continue;
        const float v = values[points[k]];
        if (std::isnan(v))
            return NAN;
        sum += weights[k] * v;
    }
    return sum;
}

// A direction is held as its sine and cosine, so that it goes the short way round between
// points and steps.
void SplitDirection(std::vector<float>* degrees, std::vector<float>* cosines)
{
    cosines->resize(degrees->size());
    for (size_t k = 0; k < degrees->size(); ++k) {
        const double radians = (*degrees)[k] * std::numbers::pi / 180.0;
        (*cosines)[k] = static_cast<float>(std::cos(radians));
        (*degrees)[k] = static_cast<float>(std::sin(radians));
    }
}

struct Pending {
    ForecastGrid grid;
    std::map<double, std::array<std::vector<float>, 2>> byTime;
};

}  // namespace

int32_t ForecastParameter(int32_t code)
{
    return (code & 0xFF) == 0 ? code | 1 : code;
}

bool IsVectorParameter(int32_t code)
{
    const int32_t group = code & 0xFF00;
    return group == 0x200 || group == 0x400;
}

bool ForecastGrid::SameAs(const ForecastGrid& other) const
{
    return columns == other.columns && rows == other.rows && std::abs(west - other.west) < 1e-6 &&
           std::abs(south - other.south) < 1e-6 && std::abs(lonStep - other.lonStep) < 1e-9 &&
           std::abs(latStep - other.latStep) < 1e-9;
}

double ForecastDays(long yyyymmdd, long hhmm)
{
    const QDate date(static_cast<int>(yyyymmdd / 10000), static_cast<int>(yyyymmdd / 100 % 100),
                     static_cast<int>(yyyymmdd % 100));
    const QTime time(static_cast<int>(hhmm / 100), static_cast<int>(hhmm % 100));
    const QDateTime local = QDateTime(date, time, QTimeZone::utc()).toLocalTime();
    return static_cast<double>(QDate(1899, 12, 30).daysTo(local.date())) +
           local.time().msecsSinceStartOfDay() / 86400000.0;
}

HResult GribForecast::Load(const std::filesystem::path& file, ForecastLoadReport* report)
{
    ForecastLoadReport local;
    ForecastLoadReport& out = report ? *report : local;
    out = {};
    std::unique_ptr<std::FILE, FileCloser> in(std::fopen(file.c_str(), "rb"));
    if (!in)
        return kAbort;
    char magic[4] = {};
    if (std::fread(magic, 1, 4, in.get()) != 4 || std::string_view(magic, 4) != "GRIB")
        return kAbort;
    std::rewind(in.get());

    std::map<int32_t, Pending> pending;
    double reference = 0;
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
        const std::string shortName = StringKey(h, "shortName");
        const Quantity* quantity = nullptr;
        for (const Quantity& q : kQuantities)
            if (shortName == q.shortName)
                quantity = &q;
        double scale = quantity ? quantity->scale : 1.0;
        if (!quantity && shortName == "tp") {
            // An amount over an interval: the mean rate over it, valid at its end.
            static constexpr Quantity kTotal{"tp", kPrecipitation, 0, 1};
            codes_set_long(h, "stepUnits", 1);
            const long hours = LongKey(h, "endStep") - LongKey(h, "startStep");
            if (hours <= 0) {
                out.skipped.push_back(label + ": tp without an accumulation interval");
                continue;
            }
            quantity = &kTotal;
            scale = (StringKey(h, "units") == "m" ? 1000.0 : 1.0) / static_cast<double>(hours);
        }
        if (!quantity) {
            out.skipped.push_back(label + ": " + (shortName.empty() ? std::string("unknown") : shortName) +
                                  " is not a quantity of the forecast");
            continue;
        }
        ForecastGrid grid;
        std::vector<float> values;
        std::string why;
        if (!ReadGrid(h, scale, &grid, &values, &why)) {
            out.skipped.push_back(label + ": " + why);
            continue;
        }
        Pending& series = pending[quantity->code];
        if (series.byTime.empty())
            series.grid = grid;
        else if (!series.grid.SameAs(grid)) {
            out.skipped.push_back(label + ": " + shortName + " on a grid other than its first one");
            continue;
        }
        const double time = ForecastDays(LongKey(h, "validityDate"), LongKey(h, "validityTime"));
        const double run = ForecastDays(LongKey(h, "dataDate"), LongKey(h, "dataTime"));
        reference = std::max(reference, run);
        series.byTime[time][static_cast<size_t>(quantity->component)] = std::move(values);
        ++out.used;
    }

    std::map<int32_t, ForecastSeries> series;
    for (auto& [code, p] : pending) {
        ForecastSeries s;
        s.grid = p.grid;
        for (auto& [time, components] : p.byTime) {
            const bool complete = !components[0].empty() && (!IsVectorParameter(code) || !components[1].empty());
            if (!complete) {
                out.skipped.push_back("a field of parameter " + std::to_string(code) + " lacks a component");
                continue;
            }
            if (code == kWaveDirection)
                SplitDirection(&components[0], &components[1]);
            s.fields.push_back({time, std::move(components[0]), std::move(components[1])});
        }
        if (!s.fields.empty())
            series.emplace(code, std::move(s));
    }
    if (series.empty())
        return out.messages == 0 ? kAbort : kFail;

    series_ = std::move(series);
    referenceTime_ = reference;
    firstTime_ = 1e300;
    lastTime_ = -1e300;
    for (const auto& [code, s] : series_) {
        firstTime_ = std::min(firstTime_, s.fields.front().time);
        lastTime_ = std::max(lastTime_, s.fields.back().time);
    }
    return kOk;
}

bool GribForecast::Holds(int32_t code) const
{
    return series_.count(ForecastParameter(code)) != 0;
}

void GribForecast::Area(double* south, double* west, double* north, double* east) const
{
    *south = 90, *west = 180, *north = -90, *east = -180;
    for (const auto& [code, s] : series_) {
        const ForecastGrid& g = s.grid;
        *south = std::min(*south, g.south);
        *north = std::max(*north, g.south + g.latStep * (g.rows - 1));
        *west = std::min(*west, g.west);
        *east = std::max(*east, g.wraps ? g.west + 360.0 : g.west + g.lonStep * (g.columns - 1));
    }
    *east = std::min(*east, 180.0);
}

HResult GribForecast::ValueAt(int32_t code, double time, double lat, double lon, double* first, double* second) const
{
    *first = kWeatherMissing;
    *second = kWeatherMissing;
    const auto found = series_.find(ForecastParameter(code));
    if (found == series_.end() || !std::isfinite(time) || !std::isfinite(lat) || !std::isfinite(lon))
        return kFalse;
    const ForecastSeries& s = found->second;
    const double tolerance = 1.0 / 86400.0;
    if (time < s.fields.front().time - tolerance || time > s.fields.back().time + tolerance)
        return kFalse;
    auto after = std::lower_bound(s.fields.begin(), s.fields.end(), time - tolerance,
                                  [](const ForecastField& f, double t) { return f.time < t; });
    const ForecastField& b = *after;
    const ForecastField& a = after == s.fields.begin() ? b : *(after - 1);
    const double span = b.time - a.time;
    const double w = (span <= 0 || std::abs(b.time - time) <= tolerance) ? 1.0 : (time - a.time) / span;

    const bool vector = IsVectorParameter(found->first);
    const bool circular = found->first == kWaveDirection;
    double out[2] = {0, 0};
    for (int c = 0; c < (vector || circular ? 2 : 1); ++c) {
        const auto& va = c == 0 ? a.first : a.second;
        const auto& vb = c == 0 ? b.first : b.second;
        const double x = w < 1.0 ? Bilinear(s.grid, va, lat, lon) : 0.0;
        const double y = w > 0.0 ? Bilinear(s.grid, vb, lat, lon) : 0.0;
        if (std::isnan(x) || std::isnan(y))
            return kFalse;
        out[c] = (1 - w) * x + w * y;
    }
    if (circular)
        out[0] = std::fmod(std::atan2(out[0], out[1]) * 180.0 / std::numbers::pi + 360.0, 360.0);
    *first = out[0];
    if (vector)
        *second = out[1];
    return kOk;
}

}  // namespace chartengine
