#include "GeodesicOracle.h"

#include "platform/geodesy/NormalisedCoordinates.h"

#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <cmath>

using cmgbase::GeoPoint;

namespace {

const GeographicLib::Geodesic& Wgs84()
{
    return GeographicLib::Geodesic::WGS84();
}

double WrapLongitude(double longitude)
{
    return std::remainder(longitude, 360.0);
}

// The azimuths of the geodesic from `from` to `to` where it leaves and where it arrives.
void Azimuths(const LatLon& from, const LatLon& to, double& leaving, double& arriving)
{
    double metres = 0;
    Wgs84().Inverse(from.latitude, from.longitude, to.latitude, to.longitude, metres, leaving,
                    arriving);
}

// The arriving azimuth at `to` of the geodesic from `from`: the direction in which the distance
// from `from` grows fastest there.
double AwayAzimuth(const LatLon& from, const LatLon& to)
{
    double leaving = 0;
    double arriving = 0;
    Azimuths(from, to, leaving, arriving);
    return arriving;
}

constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;

}  // namespace

LatLon ToLatLon(const GeoPoint& point)
{
    return {cmgbase::nrm2deg(point.y), cmgbase::nrm2deg(point.x)};
}

GeoPoint ToGeoPoint(const LatLon& position)
{
    return {cmgbase::deg2nrm(WrapLongitude(position.longitude)),
            cmgbase::deg2nrm(position.latitude)};
}

double GeodesicMetres(const LatLon& from, const LatLon& to)
{
    double metres = 0;
    Wgs84().Inverse(from.latitude, from.longitude, to.latitude, to.longitude, metres);
    return metres;
}

LatLon GeodesicDirect(const LatLon& from, double azimuth, double metres)
{
    LatLon to;
    Wgs84().Direct(from.latitude, from.longitude, azimuth, metres, to.latitude, to.longitude);
    return to;
}

double GeodesicAzimuth(const LatLon& from, const LatLon& to)
{
    double leaving = 0;
    double arriving = 0;
    Azimuths(from, to, leaving, arriving);
    return leaving;
}

LatLon SolvePosition(const TwoReadings& readings, const std::array<double, 2>& target,
                     LatLon start)
{
    constexpr double step = 1e-7;  // degrees, about a centimetre
    LatLon at = start;
    for (int iteration = 0; iteration < 60; ++iteration) {
        const std::array<double, 2> value = readings(at);
        const std::array<double, 2> north = readings({at.latitude + step, at.longitude});
        const std::array<double, 2> east = readings({at.latitude, at.longitude + step});
        const double a = (north[0] - value[0]) / step;
        const double b = (east[0] - value[0]) / step;
        const double c = (north[1] - value[1]) / step;
        const double d = (east[1] - value[1]) / step;
        const double r0 = target[0] - value[0];
        const double r1 = target[1] - value[1];
        const double determinant = a * d - b * c;
        // Steps of at most a hundredth of a degree keep it on the intersection it starts near.
        const double limit = 0.01;
        const double dLatitude = std::clamp((d * r0 - b * r1) / determinant, -limit, limit);
        const double dLongitude = std::clamp((a * r1 - c * r0) / determinant, -limit, limit);
        at.latitude += dLatitude;
        at.longitude += dLongitude;
        if (std::fabs(dLatitude) < 1e-12 && std::fabs(dLongitude) < 1e-12)
            break;
    }
    return at;
}

double CrossingAngle(const LatLon& at, const LatLon& master, const LatLon& a, const LatLon& b)
{
    auto gradient = [&](const LatLon& secondary) {
        const double toSecondary = AwayAzimuth(secondary, at) * kRadiansPerDegree;
        const double toMaster = AwayAzimuth(master, at) * kRadiansPerDegree;
        return std::array<double, 2>{std::cos(toSecondary) - std::cos(toMaster),
                                     std::sin(toSecondary) - std::sin(toMaster)};
    };
    const std::array<double, 2> ga = gradient(a);
    const std::array<double, 2> gb = gradient(b);
    const double cosine = std::fabs(ga[0] * gb[0] + ga[1] * gb[1]) /
                          (std::hypot(ga[0], ga[1]) * std::hypot(gb[0], gb[1]));
    return std::acos(std::fmin(cosine, 1.0)) / kRadiansPerDegree;
}

GeoPoint NearestZero(const std::function<double(const LatLon&)>& difference, const GeoPoint& near)
{
    auto at = [&](int32_t dx, int32_t dy) {
        return difference(ToLatLon({near.x + dx, near.y + dy}));
    };
    const double f0 = at(0, 0);
    const double perX = at(1, 0) - f0;
    const double perY = at(0, 1) - f0;
    // Candidates by the linear model, each then measured.
    GeoPoint best = near;
    double smallest = std::fabs(f0);
    for (int32_t dx = -300; dx <= 300; ++dx) {
        const auto dy = static_cast<int32_t>(std::lround(-(f0 + dx * perX) / perY));
        if (std::fabs(f0 + dx * perX + dy * perY) > 1e-3)
            continue;
        const double measured = std::fabs(at(dx, dy));
        if (measured < smallest) {
            smallest = measured;
            best = {near.x + dx, near.y + dy};
        }
    }
    return best;
}

GeoPoint BisectorPoint(const LatLon& a, const LatLon& b, double offset)
{
    const double half = GeodesicMetres(a, b) / 2;
    const LatLon middle = GeodesicDirect(a, GeodesicAzimuth(a, b), half);
    const double along = GeodesicAzimuth(middle, b);
    const LatLon rough = GeodesicDirect(middle, along + 90.0, offset);
    // The bisector there: the point where the two distances agree, found by steps towards `b`,
    // then on the normalised grid.
    LatLon on = rough;
    for (int iteration = 0; iteration < 20; ++iteration) {
        const double f = GeodesicMetres(on, b) - GeodesicMetres(on, a);
        if (std::fabs(f) < 1e-6)
            break;
        on = GeodesicDirect(on, GeodesicAzimuth(on, b), f / 2);
    }
    return NearestZero(
        [&](const LatLon& p) { return GeodesicMetres(p, b) - GeodesicMetres(p, a); },
        ToGeoPoint(on));
}

std::vector<GeoPoint> CoverageGrid(const std::vector<LatLon>& stations, double margin, int steps)
{
    const double reference = stations.front().longitude;
    double south = 90, north = -90, west = 360, east = -360;
    for (const LatLon& station : stations) {
        const double longitude = reference + WrapLongitude(station.longitude - reference);
        south = std::fmin(south, station.latitude);
        north = std::fmax(north, station.latitude);
        west = std::fmin(west, longitude);
        east = std::fmax(east, longitude);
    }
    south = std::fmax(south - margin, -85.0);
    north = std::fmin(north + margin, 85.0);
    west -= 2 * margin;
    east += 2 * margin;
    std::vector<GeoPoint> grid;
    for (int i = 0; i < steps; ++i)
        for (int j = 0; j < steps; ++j)
            grid.push_back(ToGeoPoint({south + (north - south) * i / (steps - 1),
                                       west + (east - west) * j / (steps - 1)}));
    return grid;
}
