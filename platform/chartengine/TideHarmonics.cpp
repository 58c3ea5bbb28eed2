#include "platform/chartengine/TideHarmonics.h"

#include <tcd.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <numbers>

// The allocator of the engine's copy of libtcd (see CMakeLists.txt): calloc with room for the
// byte libtcd reads past the end of a buffer it unpacks.
extern "C" void* chartengine_tcd_calloc(size_t count, size_t size)
{
    constexpr size_t kSlack = 8;
    if (size != 0 && count > (SIZE_MAX - kSlack) / size)
        return nullptr;
    return std::calloc(count * size + kSlack, 1);
}

namespace chartengine {

namespace {

constexpr double kMetresPerFoot = 0.3048;

// libtcd keeps one open file for the whole process.
std::mutex& TcdLock()
{
    static std::mutex lock;
    return lock;
}

struct TcdFile {
    explicit TcdFile(const std::filesystem::path& file)
    {
        std::string path = file.string();
        open = open_tide_db(path.data());
    }
    ~TcdFile()
    {
        if (open)
            close_tide_db();
    }
    TcdFile(const TcdFile&) = delete;
    TcdFile& operator=(const TcdFile&) = delete;
    bool open = false;
};

// Metres per level unit, or 0 for a unit that is no length (currents).
double LevelUnitInMetres(const char* unit)
{
    if (!unit)
        return 0.0;
    if (std::strcmp(unit, "feet") == 0)
        return kMetresPerFoot;
    if (std::strcmp(unit, "meters") == 0)
        return 1.0;
    return 0.0;
}

}  // namespace

bool ReadTideHarmonics(const std::filesystem::path& file, TideHarmonics& harmonics)
{
    const std::lock_guard lock(TcdLock());
    const TcdFile tcd(file);
    if (!tcd.open)
        return false;
    const DB_HEADER_PUBLIC header = get_tide_db_header();
    harmonics = TideHarmonics{};
    harmonics.firstYear = header.start_year;
    harmonics.yearCount = static_cast<int32_t>(header.number_of_years);
    const int32_t constituents = static_cast<int32_t>(header.constituents);
    for (int32_t c = 0; c < constituents; ++c) {
        harmonics.speeds.push_back(get_speed(c));
        const float* equilibrium = get_equilibriums(c);
        const float* nodeFactor = get_node_factors(c);
        if (!equilibrium || !nodeFactor)
            return false;
        harmonics.equilibriumArguments.insert(harmonics.equilibriumArguments.end(), equilibrium,
                                              equilibrium + harmonics.yearCount);
        harmonics.nodeFactors.insert(harmonics.nodeFactors.end(), nodeFactor, nodeFactor + harmonics.yearCount);
    }
    const auto record = std::make_unique<TIDE_RECORD>();
    for (int32_t i = 0; i < static_cast<int32_t>(header.number_of_records); ++i) {
        if (read_tide_record(i, record.get()) < 0 || record->header.record_type != REFERENCE_STATION ||
            record->zone_offset != 0)
            continue;
        const double unit = LevelUnitInMetres(get_level_units(record->level_units));
        if (unit == 0.0)
            continue;
        TideStation station;
        station.name = record->header.name;
        station.latitude = record->header.latitude;
        station.longitude = record->header.longitude;
        const char* zone = get_tzfile(record->header.tzfile);
        station.timeZone = zone && *zone == ':' ? zone + 1 : (zone ? zone : "");
        station.datum = record->datum_offset * unit;
        for (int32_t c = 0; c < constituents && c < MAX_CONSTITUENTS; ++c)
            if (record->amplitude[c] != 0.0f)
                station.constituents.push_back({c, record->amplitude[c] * unit, record->epoch[c]});
        harmonics.stations.push_back(std::move(station));
    }
    return true;
}

bool TideHeight(const TideHarmonics& harmonics, const TideStation& station, int64_t utcSeconds, double* height)
{
    using namespace std::chrono;
    const sys_seconds time{seconds(utcSeconds)};
    const year_month_day date{floor<days>(time)};
    const int32_t year = static_cast<int>(date.year());
    if (!height || year < harmonics.firstYear || year >= harmonics.firstYear + harmonics.yearCount)
        return false;
    const sys_seconds yearStart{sys_days{date.year() / January / 1}};
    const double hours = duration<double, std::ratio<3600>>(time - yearStart).count();
    const size_t yearIndex = static_cast<size_t>(year - harmonics.firstYear);
    double sum = station.datum;
    for (const TideConstituent& c : station.constituents) {
        const size_t at = size_t(c.index) * harmonics.yearCount + yearIndex;
        const double angle = harmonics.speeds[c.index] * hours + harmonics.equilibriumArguments[at] - c.phase;
        sum += c.amplitude * harmonics.nodeFactors[at] * std::cos(angle * std::numbers::pi / 180);
    }
    *height = sum;
    return true;
}

}  // namespace chartengine
