#pragma once
// The tide ports of the engine: the stations of the harmonics file in a tides folder, their
// positions and names, and their tide heights (TideHarmonics.h).

#include "platform/chartengine/EngineStatus.h"
#include "platform/chartengine/TideHarmonics.h"

#include <QDate>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace chartengine {

// One port's tide over a day, sampled at a fixed step from 00:00 of the port's standard time.
class TidesPort {
public:
    TidesPort(std::shared_ptr<const TideHarmonics> harmonics, size_t station);

    const std::string& PortName() const;
    // The port's standard time zone in whole hours west of UTC (New York gives 5).
    HResult TimeZone(int32_t* hoursWest) const;
    // Samples the day at every step hours (0 < step <= 24), 00:00 to 24:00 inclusive.
    HResult Calculate(double stepHours, const QDate& date);
    int32_t SampleCount() const { return static_cast<int32_t>(samples_.size()); }
    // Metres; kInvalidArgument for an index outside the samples.
    HResult HeightAt(int32_t index, double* height) const;
    // The first sample of the highest and of the lowest tide of the day; kNotReady before
    // Calculate.
    HResult HighestIndex(int32_t* index) const;
    HResult LowestIndex(int32_t* index) const;
    HResult HighestHeight(double* height) const;
    HResult LowestHeight(double* height) const;

private:
    int32_t hoursWest(const QDate& date) const;

    std::shared_ptr<const TideHarmonics> harmonics_;
    size_t station_;
    std::vector<double> samples_;
    int32_t highest_ = 0;
    int32_t lowest_ = 0;
};

class TidesDatabase {
public:
    // Reads the harmonics file of the folder (the first "*.tcd" by name). kFileNotFound when the
    // folder has none, kInvalidData when it cannot be read.
    HResult Open(const std::filesystem::path& folder);
    HResult PortCount(int32_t* count) const;
    // Degrees north and east; kInvalidArgument for an index outside 0 .. count - 1.
    HResult Port(int32_t index, double* latitude, double* longitude, std::string* name) const;
    // Metres at utcSeconds (seconds since 1970-01-01 UTC); kInvalidArgument for a time outside
    // the years of the file.
    HResult Height(int32_t index, int64_t utcSeconds, double* height) const;
    HResult OpenPort(int32_t index, std::unique_ptr<TidesPort>* port) const;

private:
    std::shared_ptr<const TideHarmonics> harmonics_;
};

}  // namespace chartengine
