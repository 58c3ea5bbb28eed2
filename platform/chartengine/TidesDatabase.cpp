#include "platform/chartengine/TidesDatabase.h"

#include <QTimeZone>

#include <algorithm>
#include <cmath>

namespace chartengine {

namespace {

constexpr int64_t kSecondsPerHour = 3600;

int64_t UtcMidnight(const QDate& date) { return QDateTime(date, QTime(0, 0), Qt::UTC).toSecsSinceEpoch(); }

}  // namespace

TidesPort::TidesPort(std::shared_ptr<const TideHarmonics> harmonics, size_t station)
    : harmonics_(std::move(harmonics)), station_(station)
{
}

const std::string& TidesPort::PortName() const { return harmonics_->stations[station_].name; }

int32_t TidesPort::hoursWest(const QDate& date) const
{
    const QTimeZone zone(QByteArray::fromStdString(harmonics_->stations[station_].timeZone));
    if (!zone.isValid())
        return 0;
    const int offset = zone.standardTimeOffset(QDateTime(date, QTime(12, 0), Qt::UTC));
    return -static_cast<int32_t>(std::lround(offset / double(kSecondsPerHour)));
}

HResult TidesPort::TimeZone(int32_t* hoursWestOfUtc) const
{
    if (!hoursWestOfUtc)
        return kNullPointer;
    *hoursWestOfUtc = hoursWest(QDate::currentDate());
    return kOk;
}

HResult TidesPort::Calculate(double stepHours, const QDate& date)
{
    if (!(stepHours > 0.0 && stepHours <= 24.0) || !date.isValid())
        return kInvalidArgument;
    const int64_t start = UtcMidnight(date) + hoursWest(date) * kSecondsPerHour;
    const int32_t count = static_cast<int32_t>(std::floor(24.0 / stepHours + 1e-9)) + 1;
    std::vector<double> samples;
    for (int32_t i = 0; i < count; ++i) {
        double height = 0.0;
        const int64_t at = start + std::llround(i * stepHours * kSecondsPerHour);
        if (!TideHeight(*harmonics_, harmonics_->stations[station_], at, &height))
            return kInvalidArgument;
        samples.push_back(height);
    }
    samples_ = std::move(samples);
    highest_ = static_cast<int32_t>(std::max_element(samples_.begin(), samples_.end()) - samples_.begin());
    lowest_ = static_cast<int32_t>(std::min_element(samples_.begin(), samples_.end()) - samples_.begin());
    return kOk;
}

HResult TidesPort::HeightAt(int32_t index, double* height) const
{
    if (!height)
        return kNullPointer;
    if (index < 0 || index >= SampleCount())
        return kInvalidArgument;
    *height = samples_[index];
    return kOk;
}

HResult TidesPort::HighestIndex(int32_t* index) const
{
    if (!index)
        return kNullPointer;
    if (samples_.empty())
        return kNotReady;
    *index = highest_;
    return kOk;
}

HResult TidesPort::LowestIndex(int32_t* index) const
{
    if (!index)
        return kNullPointer;
    if (samples_.empty())
        return kNotReady;
    *index = lowest_;
    return kOk;
}

HResult TidesPort::HighestHeight(double* height) const
{
    int32_t index = 0;
    const HResult found = HighestIndex(&index);
    return Failed(found) ? found : HeightAt(index, height);
}

HResult TidesPort::LowestHeight(double* height) const
{
    int32_t index = 0;
    const HResult found = LowestIndex(&index);
    return Failed(found) ? found : HeightAt(index, height);
}

HResult TidesDatabase::Open(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (entry.path().extension() == ".tcd")
            files.push_back(entry.path());
    if (files.empty())
        return kFileNotFound;
    std::sort(files.begin(), files.end());
    auto harmonics = std::make_shared<TideHarmonics>();
    if (!ReadTideHarmonics(files.front(), *harmonics))
        return kInvalidData;
    harmonics_ = std::move(harmonics);
    return kOk;
}

HResult TidesDatabase::PortCount(int32_t* count) const
{
    if (!count)
        return kNullPointer;
    *count = harmonics_ ? static_cast<int32_t>(harmonics_->stations.size()) : 0;
    return kOk;
}

HResult TidesDatabase::Port(int32_t index, double* latitude, double* longitude, std::string* name) const
{
    if (!latitude || !longitude || !name)
        return kNullPointer;
    if (!harmonics_ || index < 0 || index >= static_cast<int32_t>(harmonics_->stations.size()))
        return kInvalidArgument;
    const TideStation& station = harmonics_->stations[index];
    *latitude = station.latitude;
    *longitude = station.longitude;
    *name = station.name;
    return kOk;
}

HResult TidesDatabase::Height(int32_t index, int64_t utcSeconds, double* height) const
{
    if (!height)
        return kNullPointer;
    if (!harmonics_ || index < 0 || index >= static_cast<int32_t>(harmonics_->stations.size()))
        return kInvalidArgument;
    return TideHeight(*harmonics_, harmonics_->stations[index], utcSeconds, height) ? kOk : kInvalidArgument;
}

HResult TidesDatabase::OpenPort(int32_t index, std::unique_ptr<TidesPort>* port) const
{
    if (!port)
        return kNullPointer;
    if (!harmonics_ || index < 0 || index >= static_cast<int32_t>(harmonics_->stations.size()))
        return kInvalidArgument;
    *port = std::make_unique<TidesPort>(harmonics_, static_cast<size_t>(index));
    return kOk;
}

}  // namespace chartengine
