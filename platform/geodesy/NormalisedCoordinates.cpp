#include "platform/geodesy/NormalisedCoordinates.h"

#include <cmath>
#include <numbers>

namespace cmgbase {

int32_t deg2nrm(double degrees)
{
    // degrees x 2^31 is exact, so the division is the only rounding before the whole-unit one.
    const double units = degrees * kNormalisedUnitsPer180Degrees / 180.0;
    if (std::isnan(units))
        return 0;
    if (units >= kNormalisedMax)
        return kNormalisedMax;
    if (units <= kNormalisedMin)
        return kNormalisedMin;
    return static_cast<int32_t>(std::round(units));
}

double nrm2deg(int32_t normalised)
{
    // normalised x 180 needs at most 39 bits and the division is by a power of two: exact.
    return normalised * 180.0 / kNormalisedUnitsPer180Degrees;
}

double nrm2rad(int32_t normalised)
{
    return normalised * std::numbers::pi / kNormalisedUnitsPer180Degrees;
}

double deg2rad(double degrees)
{
    return degrees * (std::numbers::pi / 180.0);
}

double rad2deg(double radians)
{
    return radians * (180.0 / std::numbers::pi);
}

int32_t round(double value)
{
    if (std::isnan(value))
        return 0;
    const double nearest = std::round(value);
    if (nearest >= INT32_MAX)
        return INT32_MAX;
    if (nearest <= INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(nearest);
}

}  // namespace cmgbase
