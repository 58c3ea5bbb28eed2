#include "platform/chartengine/GribForecast.h"

#include "platform/chartengine/GribReader.h"

#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <numbers>

namespace chartengine {

namespace {

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
    std::map<int32_t, Pending> pending;
    double reference = 0;
    const HResult read = ReadGribFields(file, &out, [&](GribMessageField&& field) {
        Pending& series = pending[field.code];
        if (series.byTime.empty())
            series.grid = field.grid;
        else if (!series.grid.SameAs(field.grid)) {
            out.skipped.push_back(field.shortName + " on a grid other than its first one");
            return;
        }
        for (float& v : field.values)
            v = static_cast<float>(v * field.scale);
        reference = std::max(reference, ForecastDays(field.dataDate, field.dataTime));
        series.byTime[ForecastDays(field.validityDate, field.validityTime)][static_cast<size_t>(field.component)] =
            std::move(field.values);
        ++out.used;
    });
    if (Failed(read))
        return read;

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
