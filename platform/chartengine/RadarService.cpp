#include "platform/chartengine/RadarService.h"

#include <cmath>
#include <limits>

namespace chartengine {

bool RadarValueToReal(const RadarValue& value, double* result)
{
    if (std::holds_alternative<std::monostate>(value))
        *result = 0.0;
    else if (const auto* integer = std::get_if<int32_t>(&value))
        *result = *integer;
    else if (const auto* real = std::get_if<double>(&value))
        *result = *real;
    else
        return false;
    return true;
}

bool RadarValueToInteger(const RadarValue& value, int32_t* result)
{
    double real = 0.0;
    if (!RadarValueToReal(value, &real) || !std::isfinite(real))
        return false;
    const double rounded = std::nearbyint(real);
    if (rounded < std::numeric_limits<int32_t>::min() || rounded > std::numeric_limits<int32_t>::max())
        return false;
    *result = static_cast<int32_t>(rounded);
    return true;
}

}  // namespace chartengine
