// Makes the example forecast shipped as "gribdata.grb": 30N-45N, 84W-60W at 0.5 degrees, 6-hourly
// for five days, with a depression crossing from the Carolinas to Nova Scotia, its winds, a rain
// band ahead of it, waves, the Gulf Stream and a plain temperature field. Waves and currents are
// missing over land. An example to show the weather layer, not a forecast.
//
// weather-example-make <output file> [yyyymmdd of the model run]

#include "platform/chartengine/GribWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <numbers>

namespace {

using chartengine::GribGridField;

constexpr double kWest = -84, kSouth = 30, kStep = 0.5;
constexpr int kColumns = 49, kRows = 31;
constexpr int kLastHour = 120, kHourStep = 6;

// A rough east coast of North America: land lies west of this longitude.
double CoastLongitude(double lat)
{
    static const double table[][2] = {{30, -81.4}, {32, -80.8}, {34, -77.9}, {35, -75.5}, {36, -75.8}, {37, -75.9},
                                      {38, -75.1}, {39, -74.4}, {40, -73.9}, {41, -71.5}, {42, -70.6}, {43, -70.2},
                                      {44, -68.8}, {45, -66.8}};
    for (size_t i = 1; i < std::size(table); ++i)
        if (lat <= table[i][0]) {
            const double f = (lat - table[i - 1][0]) / (table[i][0] - table[i - 1][0]);
            return table[i - 1][1] + f * (table[i][1] - table[i - 1][1]);
        }
    return table[std::size(table) - 1][1];
}

bool IsLand(double lat, double lon)
{
    const bool novaScotia = lat >= 43.6 && lon >= -66.2 && lon <= -61.0 && lat - 43.6 >= (lon + 61.0) * -0.25;
    return lon < CoastLongitude(lat) || novaScotia;
}

struct Depression {
    double lat, lon;
};

Depression CentreAt(int hour)
{
    const double f = static_cast<double>(hour) / kLastHour;
    return {35.0 + 7.0 * f, -80.0 + 18.0 * f};
}

struct Weather {
    double pressure, u, v, temperature, rain, waveHeight, waveFrom, currentU, currentV;
};

Weather WeatherAt(double lat, double lon, int hour)
{
    const Depression centre = CentreAt(hour);
    const double kmPerDegLon = std::cos(lat * std::numbers::pi / 180.0);
    const double dx = (lon - centre.lon) * kmPerDegLon, dy = lat - centre.lat;
    const double r = std::hypot(dx, dy);
    Weather w{};
    w.pressure = (1016.0 - 22.0 * std::exp(-r * r / 32.0)) * 100.0;

    // Cyclonic winds around the centre, turned 20 degrees inwards, over a westerly drift.
    const double speed = 19.0 * (r / 4.0) * std::exp(0.5 * (1.0 - r * r / 16.0));
    const double angle = std::atan2(dy, dx) + std::numbers::pi / 2 + 20.0 * std::numbers::pi / 180.0;
    w.u = 5.0 + speed * std::cos(angle);
    w.v = speed * std::sin(angle);

    w.temperature = 301.0 - 0.8 * (lat - 30.0) + 2.5 * std::exp(-((dx - 3) * (dx - 3) + dy * dy) / 20.0) -
                    (IsLand(lat, lon) ? 3.0 * std::sin(hour * std::numbers::pi / 12.0) : 0.0);

    // A rain band along a line through the centre, running north-east, three degrees ahead of it.
    const double along = (dx + dy) / std::numbers::sqrt2, across = (dx - dy) / std::numbers::sqrt2 - 3.0;
    const double mmPerHour = 7.0 * std::exp(-across * across / 1.5) * std::exp(-std::abs(along) / 6.0) +
                             2.0 * std::exp(-r * r / 4.0);
    w.rain = mmPerHour / 3600.0;

    const double windSpeed = std::hypot(w.u, w.v);
    w.waveHeight = 0.6 + 0.022 * windSpeed * windSpeed;
    w.waveFrom = std::fmod(std::atan2(-w.u, -w.v) * 180.0 / std::numbers::pi + 360.0, 360.0);

    // The Gulf Stream: along the coast to Hatteras, then east-north-east.
    const double axis = lon < -75.5 ? CoastLongitude(lat) + 1.0 : -75.5;
    const double streamLat = lon < -75.5 ? lat : 35.5 + (lon + 75.5) * 0.3;
    const double d = lon < -75.5 ? (lon - axis) * kmPerDegLon : lat - streamLat;
    const double flow = 1.6 * std::exp(-d * d / 0.5);
    const double heading = lon < -75.5 ? std::atan2(1.0, 0.35) : std::atan2(0.3, 1.0);
    w.currentU = flow * std::cos(heading) + 0.05;
    w.currentV = flow * std::sin(heading);
    return w;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: weather-example-make <output file> [yyyymmdd]\n";
        return 2;
    }
    const long referenceDate = argc > 2 ? std::atol(argv[2]) : 20261211;
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    if (!out) {
        std::cerr << "cannot write " << argv[1] << '\n';
        return 1;
    }
    struct Quantity {
        const char* shortName;
        double Weather::*member;
        bool seaOnly;
    };
    const Quantity quantities[] = {{"msl", &Weather::pressure, false},    {"10u", &Weather::u, false},
                                   {"10v", &Weather::v, false},           {"2t", &Weather::temperature, false},
                                   {"prate", &Weather::rain, false},      {"swh", &Weather::waveHeight, true},
                                   {"mwd", &Weather::waveFrom, true},     {"ucurr", &Weather::currentU, true},
                                   {"vcurr", &Weather::currentV, true}};
    for (int hour = 0; hour <= kLastHour; hour += kHourStep) {
        for (const Quantity& q : quantities) {
            GribGridField field;
            field.shortName = q.shortName;
            field.west = kWest;
            field.south = kSouth;
            field.increment = kStep;
            field.columns = kColumns;
            field.rows = kRows;
            field.referenceDate = referenceDate;
            field.stepHours = hour;
            field.values.reserve(kColumns * kRows);
            for (int row = 0; row < kRows; ++row)
                for (int column = 0; column < kColumns; ++column) {
                    const double lat = kSouth + row * kStep, lon = kWest + column * kStep;
                    field.values.push_back(q.seaOnly && IsLand(lat, lon) ? std::nan("")
                                                                          : WeatherAt(lat, lon, hour).*q.member);
                }
            const std::string message = chartengine::EncodeGribField(field);
            if (message.empty()) {
                std::cerr << "ecCodes refused " << q.shortName << " at hour " << hour << '\n';
                return 1;
            }
            out.write(message.data(), static_cast<std::streamsize>(message.size()));
        }
    }
    return out.good() ? 0 : 1;
}
