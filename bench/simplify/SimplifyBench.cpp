// Turning a recorded track into a route: SimplifyPolyline with the point adjustment on, as a
// track's conversion runs it, against GDAL's OGR Simplify (GEOS's Douglas-Peucker) on the same
// points, each from the plane points to the kept points (OGR's conversions included).
// The track: 100,000 fixes, one a second, of steady legs, turns and speed changes with a few
// metres of position noise, in stored units with the longitude divided by the cosine of the
// start latitude; tolerance 0.05 nm (the conversion setting 5, 500 units).
// Goal: SimplifyPolyline takes no longer than OGR (ratio at most 1.0).

#include "userdata/PolylineSimplification.h"

#include <benchmark/benchmark.h>
#include <ogr_geometry.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr int Fixes = 100000;
constexpr double Tolerance = 500.0;  // 1/600000 degree
constexpr double UnitsPerDegree = 600000.0;
constexpr double MetresPerDegree = 111120.0;
constexpr double MetresPerSecondPerKnot = 0.51444;
constexpr double RadiansPerDegree = std::numbers::pi / 180.0;

std::vector<PlanePoint> RecordedTrack()
{
    std::mt19937 random(1852);
    std::uniform_real_distribution<double> legSeconds(300.0, 3600.0);
    std::uniform_real_distribution<double> turn(10.0, 120.0);
    std::uniform_real_distribution<double> speeds(4.0, 14.0);
    std::bernoulli_distribution starboard(0.5);
    std::bernoulli_distribution speedChange(0.3);
    std::normal_distribution<double> noise(0.0, 3.0);  // metres

    const double startLatitude = 54.3, startLongitude = 10.2;
    const double scale = std::cos(std::trunc(startLatitude) * RadiansPerDegree);
    double north = 0.0, east = 0.0;  // metres from the start
    double heading = 40.0, wantedHeading = 40.0, speed = 8.0, wantedSpeed = 8.0;
    double legLeft = legSeconds(random);
    std::vector<PlanePoint> points;
    points.reserve(Fixes);
    for (int second = 0; second < Fixes; ++second) {
        if ((legLeft -= 1.0) <= 0.0) {
            legLeft = legSeconds(random);
            wantedHeading += starboard(random) ? turn(random) : -turn(random);
            if (speedChange(random))
                wantedSpeed = speeds(random);
        }
        const double headingStep = std::clamp(wantedHeading - heading, -2.0, 2.0);  // 2 deg/s
        heading += headingStep;
        speed += std::clamp(wantedSpeed - speed, -0.05, 0.05);
        const double metres = speed * MetresPerSecondPerKnot;
        north += metres * std::cos(heading * RadiansPerDegree);
        east += metres * std::sin(heading * RadiansPerDegree);

        const double latitude = startLatitude + (north + noise(random)) / MetresPerDegree;
        const double longitude =
            startLongitude + (east + noise(random))
                                 / (MetresPerDegree * std::cos(latitude * RadiansPerDegree));
        // As stored: whole units of 1/600000 degree.
        const double latitudeUnits = std::round(latitude * UnitsPerDegree);
        const double longitudeUnits = std::round(longitude * UnitsPerDegree);
        points.push_back({longitudeUnits / scale, latitudeUnits});
    }
    return points;
}

const std::vector<PlanePoint>& Track()
{
    static const std::vector<PlanePoint> track = RecordedTrack();
    return track;
}

void Ours(benchmark::State& state)
{
    const std::vector<PlanePoint>& track = Track();
    size_t kept = 0;
    for (auto _ : state) {
        const std::vector<KeptPoint> result = SimplifyPolyline(track, Tolerance, true);
        kept = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["kept"] = double(kept);
}

void GdalOgr(benchmark::State& state)
{
    const std::vector<PlanePoint>& track = Track();
    size_t kept = 0;
    for (auto _ : state) {
        OGRLineString line;
        line.setNumPoints(int(track.size()), FALSE);
        for (size_t k = 0; k < track.size(); ++k)
            line.setPoint(int(k), track[k].x, track[k].y);
        const std::unique_ptr<OGRGeometry> simplified(line.Simplify(Tolerance));
        if (!simplified) {
            state.SkipWithError("OGR Simplify failed (GDAL without GEOS?)");
            break;
        }
        const OGRLineString* out = simplified->toLineString();
        std::vector<PlanePoint> result(size_t(out->getNumPoints()));
        for (int k = 0; k < out->getNumPoints(); ++k)
            result[size_t(k)] = {out->getX(k), out->getY(k)};
        kept = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["kept"] = double(kept);
}

}  // namespace

BENCHMARK(Ours)->Unit(benchmark::kMillisecond);
BENCHMARK(GdalOgr)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
