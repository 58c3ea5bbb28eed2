#include "platform/chartengine/GeoProjection.h"

#include "platform/geodesy/NormalisedCoordinates.h"

#include <GeographicLib/Constants.hpp>
#include <GeographicLib/Math.hpp>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace chartengine {

using cmgbase::GeoPoint;
using cmgbase::MetricPoint;

namespace {

constexpr double kMaxLatitudeDegrees = 89.5;
constexpr double kPi = std::numbers::pi;

double EquatorialRadius() { return GeographicLib::Constants::WGS84_a(); }

double Eccentricity()
{
    const double f = GeographicLib::Constants::WGS84_f();
    return std::sqrt(f * (2 - f));
}

// The Mercator northing of a latitude, metres.
double MercatorY(double latitudeRadians)
{
    const double tau = std::tan(latitudeRadians);
    return EquatorialRadius() * std::asinh(GeographicLib::Math::taupf(tau, Eccentricity()));
}

double LatitudeOfMercatorY(double y)
{
    return std::atan(GeographicLib::Math::tauf(std::sinh(y / EquatorialRadius()), Eccentricity()));
}

// The angle brought into [-pi, pi).
double Wrapped(double radians)
{
    const double wrapped = std::remainder(radians, 2 * kPi);
    return wrapped >= kPi ? wrapped - 2 * kPi : wrapped;
}

bool FitsInt32(double value) { return std::isfinite(value) && std::abs(value) <= INT32_MAX; }

int32_t ClampedInt32(double value) { return static_cast<int32_t>(std::clamp<double>(std::round(value), -INT32_MAX, INT32_MAX)); }

bool ValidLatitude(int32_t y) { return std::abs(cmgbase::nrm2deg(y)) <= kMaxLatitudeDegrees; }

}  // namespace

GeoProjection::GeoProjection()
{
    block_.scale = 10000000;
    block_.engineWords[0] = kMercatorProjection;
    block_.devicePixelsPerMetreX = 5000;
    block_.devicePixelsPerMetreY = 5000;
}

HResult GeoProjection::GetBlock(ProjectionBlock* block) const
{
    if (!block)
        return kNullPointer;
    *block = block_;
    return kOk;
}

HResult GeoProjection::PutBlock(const ProjectionBlock& block)
{
    if (block.scale < 1 || block.devicePixelsPerMetreX < 1 || block.devicePixelsPerMetreY < 1 ||
        !ValidLatitude(block.centre.y))
        return kInvalidArgument;
    block_.scale = block.scale;
    block_.centre = block.centre;
    block_.devicePixelsPerMetreX = block.devicePixelsPerMetreX;
    block_.devicePixelsPerMetreY = block.devicePixelsPerMetreY;
    centreMercatorY_ = MercatorY(cmgbase::nrm2rad(block_.centre.y));
    return kOk;
}

HResult GeoProjection::SetRotation(double degrees)
{
    if (!std::isfinite(degrees))
        return kInvalidArgument;
    rotationDegrees_ = std::remainder(degrees, 360.0);
    block_.engineWords[1] = static_cast<int32_t>(std::lround(rotationDegrees_ * 100));
    return kOk;
}

double GeoProjection::metricPerMercatorMetre() const
{
    const double latitude = cmgbase::nrm2rad(block_.centre.y);
    const double e = Eccentricity();
    const double sine = std::sin(latitude);
    return std::cos(latitude) / std::sqrt(1 - e * e * sine * sine) * kMetricUnitsPerMetre / block_.scale;
}

HResult GeoProjection::ValidMetricRect(MetricRect* rect) const
{
    if (!rect)
        return kNullPointer;
    const double m = metricPerMercatorMetre();
    const double halfWidth = kPi * EquatorialRadius() * m;
    const double south = (MercatorY(-kMaxLatitudeDegrees * kPi / 180) - centreMercatorY_) * m;
    const double north = (MercatorY(kMaxLatitudeDegrees * kPi / 180) - centreMercatorY_) * m;
    const double angle = rotationDegrees_ * kPi / 180;
    const double c = std::cos(angle), s = std::sin(angle);
    double x1 = INFINITY, y1 = INFINITY, x2 = -INFINITY, y2 = -INFINITY;
    for (const double u : {-halfWidth, halfWidth})
        for (const double v : {south, north}) {
            const double x = u * c - v * s, y = u * s + v * c;
            x1 = std::min(x1, x), x2 = std::max(x2, x), y1 = std::min(y1, y), y2 = std::max(y2, y);
        }
    *rect = {ClampedInt32(x1), ClampedInt32(y1), ClampedInt32(x2), ClampedInt32(y2)};
    return kOk;
}

HResult GeoProjection::GeoToMetric(const GeoPoint& position, MetricPoint* point) const
{
    if (!point)
        return kNullPointer;
    if (!ValidLatitude(position.y))
        return kFail;
    const double m = metricPerMercatorMetre();
    const double u = EquatorialRadius() * Wrapped(cmgbase::nrm2rad(position.x) - cmgbase::nrm2rad(block_.centre.x)) * m;
    const double v = (MercatorY(cmgbase::nrm2rad(position.y)) - centreMercatorY_) * m;
    const double angle = rotationDegrees_ * kPi / 180;
    const double x = u * std::cos(angle) - v * std::sin(angle);
    const double y = u * std::sin(angle) + v * std::cos(angle);
    if (!FitsInt32(std::round(x)) || !FitsInt32(std::round(y)))
        return kFail;
    *point = {static_cast<int32_t>(std::round(x)), static_cast<int32_t>(std::round(y))};
    return kOk;
}

HResult GeoProjection::MetricToGeo(const MetricPoint& point, GeoPoint* position) const
{
    if (!position)
        return kNullPointer;
    const double m = metricPerMercatorMetre();
    const double angle = rotationDegrees_ * kPi / 180;
    const double u = point.x * std::cos(angle) + point.y * std::sin(angle);
    const double v = -point.x * std::sin(angle) + point.y * std::cos(angle);
    const double longitude = Wrapped(cmgbase::nrm2rad(block_.centre.x) + u / (EquatorialRadius() * m));
    const double latitude = LatitudeOfMercatorY(centreMercatorY_ + v / m);
    *position = {cmgbase::deg2nrm(longitude * 180 / kPi), cmgbase::deg2nrm(latitude * 180 / kPi)};
    return kOk;
}

HResult GeoProjection::MetricRectToGeoRect(const MetricRect& rect, cmgbase::GeoRect* area) const
{
    if (!area)
        return kNullPointer;
    const double m = metricPerMercatorMetre();
    const double angle = rotationDegrees_ * kPi / 180;
    const double c = std::cos(angle), s = std::sin(angle);
    double u1 = INFINITY, u2 = -INFINITY, v1 = INFINITY, v2 = -INFINITY;
    for (const double x : {double(rect.x1), double(rect.x2)})
        for (const double y : {double(rect.y1), double(rect.y2)}) {
            const double u = x * c + y * s, v = -x * s + y * c;
            u1 = std::min(u1, u), u2 = std::max(u2, u), v1 = std::min(v1, v), v2 = std::max(v2, v);
        }
    const double centreLongitude = cmgbase::nrm2rad(block_.centre.x);
    const double west = centreLongitude + u1 / (EquatorialRadius() * m);
    const double east = centreLongitude + u2 / (EquatorialRadius() * m);
    const auto toNormalised = [](double radians) { return cmgbase::deg2nrm(radians * 180 / kPi); };
    if (east - west >= 2 * kPi) {
        area->x1 = -INT32_MAX;
        area->x2 = INT32_MAX;
    } else {
        area->x1 = toNormalised(Wrapped(west));
        area->x2 = toNormalised(Wrapped(east));
    }
    area->y1 = toNormalised(LatitudeOfMercatorY(centreMercatorY_ + v1 / m));
    area->y2 = toNormalised(LatitudeOfMercatorY(centreMercatorY_ + v2 / m));
    return kOk;
}

HResult GeoProjection::FillDrawBlock(const cmgbase::GeoCover& cover, DrawBlock* block) const
{
    if (!block)
        return kNullPointer;
    if (cover.isEmpty())
        return kInvalidArgument;
    const int32_t limit = cmgbase::deg2nrm(kMaxLatitudeDegrees);
    double x1 = INFINITY, y1 = INFINITY, x2 = -INFINITY, y2 = -INFINITY;
    for (const cmgbase::GeoRect& rect : cover.rects())
        for (const int32_t x : {rect.x1, rect.x2})
            for (const int32_t y : {rect.y1, rect.y2}) {
                MetricPoint point;
                if (Failed(GeoToMetric({x, std::clamp(y, -limit, limit)}, &point)))
                    return kFail;
                x1 = std::min(x1, point.x * devicePerMetricX()), x2 = std::max(x2, point.x * devicePerMetricX());
                y1 = std::min(y1, point.y * devicePerMetricY()), y2 = std::max(y2, point.y * devicePerMetricY());
            }
    block->projection = this;
    block->window = {ClampedInt32(std::floor(x1)), ClampedInt32(std::ceil(y2)), ClampedInt32(std::ceil(x2)),
                     ClampedInt32(std::floor(y1))};
    return kOk;
}

}  // namespace chartengine
