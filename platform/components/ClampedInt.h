#pragma once
// A double truncated to an int, held to the int range; NaN gives 0.

#include <climits>
#include <cmath>

namespace Igpfunctions {

inline int ClampedInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace Igpfunctions
