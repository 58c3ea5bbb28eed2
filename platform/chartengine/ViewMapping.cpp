#include "platform/chartengine/ViewMapping.h"

#include "platform/geodesy/NormalisedCoordinates.h"

#include <GeographicLib/Constants.hpp>
#include <GeographicLib/Math.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace chartengine {

namespace {

constexpr int kStepBits = 15;  // normalised units per table step: 2^15 (about 0.0027 degrees)
constexpr int64_t kQuarterTurn = int64_t(1) << 30;
constexpr int kTableSize = int((2 * kQuarterTurn) >> kStepBits) + 2;
constexpr double kTableLimitDegrees = 89.9;  // the northing grows without bound at the pole

double Eccentricity()
{
    const double f = GeographicLib::Constants::WGS84_f();
    return std::sqrt(f * (2 - f));
}

double MercatorNorthing(double latitudeDegrees)
{
    const double phi = std::clamp(latitudeDegrees, -kTableLimitDegrees, kTableLimitDegrees) * std::numbers::pi / 180;
    return GeographicLib::Constants::WGS84_a() *
           std::asinh(GeographicLib::Math::taupf(std::tan(phi), Eccentricity()));
}

const std::vector<double>& NorthingTable()
{
    static const std::vector<double> table = [] {
        std::vector<double> northings(kTableSize);
        for (int i = 0; i < kTableSize; ++i)
            northings[i] = MercatorNorthing(cmgbase::nrm2deg(static_cast<int32_t>(
                std::min<int64_t>((int64_t(i) << kStepBits) - kQuarterTurn, kQuarterTurn))));
        return northings;
    }();
    return table;
}

}  // namespace

double ViewMapping::NorthingOf(int32_t latitude)
{
    const std::vector<double>& table = NorthingTable();
    const int64_t offset = std::clamp<int64_t>(int64_t(latitude) + kQuarterTurn, 0, 2 * kQuarterTurn);
    const int64_t index = offset >> kStepBits;
    const double fraction = double(offset & ((int64_t(1) << kStepBits) - 1)) / double(int64_t(1) << kStepBits);
    return table[index] + (table[index + 1] - table[index]) * fraction;
}

ViewMapping::ViewMapping(const GeoProjection& projection, const QTransform& deviceToPixel)
{
    ProjectionBlock block;
    projection.GetBlock(&block);
    centreLongitude_ = block.centre.x;
    centreNorthing_ = NorthingOf(block.centre.y);
    const double e = Eccentricity();
    const double latitude = cmgbase::nrm2rad(block.centre.y);
    const double sine = std::sin(latitude);
    northPerMetre_ = std::cos(latitude) / std::sqrt(1 - e * e * sine * sine) * kMetricUnitsPerMetre / block.scale;
    eastPerUnit_ = GeographicLib::Constants::WGS84_a() * northPerMetre_ * std::numbers::pi / 2147483648.0;
    rotationDegrees_ = projection.Rotation();

    const double angle = rotationDegrees_ * std::numbers::pi / 180;
    const double c = std::cos(angle), s = std::sin(angle);
    const double kx = projection.devicePerMetricX(), ky = projection.devicePerMetricY();
    const QTransform& t = deviceToPixel;
    a11_ = t.m11() * kx * c + t.m21() * ky * s;
    a12_ = -t.m11() * kx * s + t.m21() * ky * c;
    a21_ = t.m12() * kx * c + t.m22() * ky * s;
    a22_ = -t.m12() * kx * s + t.m22() * ky * c;
    dx_ = t.m31();
    dy_ = t.m32();
}

}  // namespace chartengine
