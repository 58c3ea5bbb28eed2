#include "platform/components/Imath.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

namespace Imath {

namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;
constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();

}  // namespace

long double DegToRad(long double degrees)
{
    return degrees * (Pi / 180);
}

long double RadToDeg(long double radians)
{
    return radians * (180 / Pi);
}

long double Tan(long double x)
{
    return std::tan(x);
}

long double Cot(long double x)
{
    return 1 / std::tan(x);
}

long double Sec(long double x)
{
    return 1 / std::cos(x);
}

long double Csc(long double x)
{
    return 1 / std::sin(x);
}

void SinCos(long double x, long double& sine, long double& cosine)
{
    sine = std::sin(x);
    cosine = std::cos(x);
}

long double ArcSin(long double x)
{
    return std::asin(x);
}

long double ArcCos(long double x)
{
    return std::acos(x);
}

long double ArcCot(long double x)
{
    return x == 0 ? Pi / 2 : std::atan(1 / x);
}

long double ArcSec(long double x)
{
    return std::acos(1 / x);
}

long double ArcCsc(long double x)
{
    return std::asin(1 / x);
}

long double arctan2(long double y, long double x)
{
    return std::atan2(y, x);
}

long double Sinh(long double x)
{
    return std::sinh(x);
}

long double Cosh(long double x)
{
    return std::cosh(x);
}

long double Tanh(long double x)
{
    return std::tanh(x);
}

long double Coth(long double x)
{
    return 1 / std::tanh(x);
}

long double Sech(long double x)
{
    return 1 / std::cosh(x);
}

long double Csch(long double x)
{
    return 1 / std::sinh(x);
}

long double ASinh(long double x)
{
    return std::asinh(x);
}

long double ACosh(long double x)
{
    return std::acosh(x);
}

long double ATanh(long double x)
{
    return std::atanh(x);
}

long double ACoth(long double x)
{
    return std::atanh(1 / x);
}

long double ASech(long double x)
{
    return std::acosh(1 / x);
}

long double ACsch(long double x)
{
    return std::asinh(1 / x);
}

long double Log(long double base, long double x)
{
    if (!(base > 0) || base == 1)
        return NaN;
    return std::log(x) / std::log(base);
}

long double Log10(long double x)
{
    return std::log10(x);
}

long double IntPower(long double base, int exponent)
{
    if (std::isnan(base))
        return base;
    // The magnitude as unsigned, so that the lowest int has one too.
    unsigned long long remaining = exponent < 0 ? 0ULL - static_cast<unsigned long long>(exponent)
                                                : static_cast<unsigned long long>(exponent);
    long double result = 1;
    long double square = base;
    while (remaining != 0) {
        if (remaining & 1)
            result *= square;
        remaining >>= 1;
        if (remaining != 0)
            square *= square;
    }
    return exponent < 0 ? 1 / result : result;
}

long double Power(long double base, long double exponent)
{
    if (std::isnan(base) || std::isnan(exponent))
        return NaN;
    return std::pow(base, exponent);
}

double RoundTo(double value, int digit)
{
    if (!std::isfinite(value))
        return value;
    // Beyond 400 digits either way a double rounds as at 400: to 0, or to itself.
    digit = std::clamp(digit, -400, 400);
    const long double factor = IntPower(10, std::abs(digit));
    const long double rounded = digit < 0 ? std::round(value * factor) / factor
                                          : std::round(value / factor) * factor;
    return static_cast<double>(rounded);
}

}  // namespace Imath
