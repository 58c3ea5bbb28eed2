#pragma once
// Tide stations and their harmonic constants, read from a harmonics file of the xtide kind (a
// TCD file, through libtcd), and the tide height by harmonic synthesis:
//
//   h(t) = datum + sum over constituents c of  A_c f_c(Y) cos(w_c (t - t_Y) + V_c(Y) - g_c)
//
// t is the time in hours (UTC), Y its year and t_Y the start of that year (UTC); A_c and g_c are
// the station's amplitude and phase, w_c the constituent's speed (degrees per hour), and f_c(Y)
// and V_c(Y) the node factor and the equilibrium argument the file gives for the year.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace chartengine {

struct TideConstituent {
    int32_t index;     // into the constituent table
    double amplitude;  // metres
    double phase;      // degrees
};

struct TideStation {
    std::string name;
    double latitude = 0.0;   // degrees
    double longitude = 0.0;  // degrees
    std::string timeZone;    // IANA name, "America/New_York"
    double datum = 0.0;      // metres
    std::vector<TideConstituent> constituents;
};

struct TideHarmonics {
    int32_t firstYear = 0;
    int32_t yearCount = 0;
    std::vector<double> speeds;               // degrees per hour, by constituent
    std::vector<float> equilibriumArguments;  // degrees, [constituent * yearCount + year - firstYear]
    std::vector<float> nodeFactors;           // the same layout
    std::vector<TideStation> stations;
};

// Reads the stations of the file that give tide heights from harmonic constants of their own
// (reference stations in feet or metres, with phases referred to UTC); current stations and
// stations given as offsets from others are left out. False when the file cannot be read.
bool ReadTideHarmonics(const std::filesystem::path& file, TideHarmonics& harmonics);

// The height in metres at utcSeconds (seconds since 1970-01-01 UTC); false for a time whose year
// the file has no factors for.
bool TideHeight(const TideHarmonics& harmonics, const TideStation& station, int64_t utcSeconds, double* height);

}  // namespace chartengine
