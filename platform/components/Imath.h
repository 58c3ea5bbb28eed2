#pragma once
// Mathematics in 80-bit extended precision (long double on x86-64).
//
// Domain: outside a function's domain the result is NaN (ArcSin(2), ACosh(0.5), Log(-1, 10));
// at a pole it is an infinity of the pole's sign where the sign is defined (Cot(0) = +inf,
// ATanh(-1) = -inf, Log(10, 0) = -inf); results too large for the type are infinite. NaN
// arguments give NaN. No routine throws, except the interpolations over malformed tables.

#include <span>
#include <vector>

namespace Imath {

// Angle conversion: times pi / 180 and times 180 / pi.
long double DegToRad(long double degrees);
long double RadToDeg(long double radians);

long double Tan(long double x);
long double Cot(long double x);  // 1 / tan x
long double Sec(long double x);  // 1 / cos x
long double Csc(long double x);  // 1 / sin x
void SinCos(long double x, long double& sine, long double& cosine);

long double ArcSin(long double x);  // -pi/2 .. pi/2; NaN outside -1..1
long double ArcCos(long double x);  // 0 .. pi; NaN outside -1..1
// arctan(1 / x), in -pi/2 .. pi/2; ArcCot(0) is pi/2 (either sign of zero).
long double ArcCot(long double x);
long double ArcSec(long double x);  // arccos(1 / x); NaN for -1 < x < 1
long double ArcCsc(long double x);  // arcsin(1 / x); NaN for -1 < x < 1
// The angle of (x, y) from the x axis, -pi .. pi.
long double arctan2(long double y, long double x);

long double Sinh(long double x);
long double Cosh(long double x);
long double Tanh(long double x);
long double Coth(long double x);  // 1 / tanh x
long double Sech(long double x);  // 1 / cosh x
long double Csch(long double x);  // 1 / sinh x

long double ASinh(long double x);
long double ACosh(long double x);  // NaN below 1
long double ATanh(long double x);  // NaN outside -1..1, +-inf at +-1
long double ACoth(long double x);  // atanh(1 / x); NaN for -1 < x < 1
long double ASech(long double x);  // acosh(1 / x); defined on 0 < x <= 1
long double ACsch(long double x);  // asinh(1 / x)

// The logarithm of x to `base`. NaN for a base of 1, at most 0 or not a number, and for a
// negative x.
long double Log(long double base, long double x);
long double Log10(long double x);

// base to a whole exponent by repeated squaring; 0 to a negative exponent is +inf (-inf for a
// negative zero and an odd exponent), anything to the exponent 0 is 1.
long double IntPower(long double base, int exponent);
// The same power under the library's other name for it.
inline long double Pow(long double base, int exponent)
{
    return IntPower(base, exponent);
}
// base to any exponent: NaN for a negative base with an exponent that is not whole, +inf for 0
// to a negative exponent, 1 for the exponent 0.
long double Power(long double base, long double exponent);

// `value` rounded to a multiple of 10 to the `digit` (RoundTo(1234.5678, -2) is 1234.57,
// RoundTo(1234.5678, 2) is 1200); halves are rounded away from zero. Infinities and NaN come
// back as they are.
double RoundTo(double value, int digit);

// Second derivatives of the natural cubic spline through the points (x[i], y[i]) (zero at both
// ends), for SplineInterpolation. The x values must rise strictly and there must be at least two
// points of equal count in x and y; otherwise std::invalid_argument.
std::vector<long double> Spline(std::span<const long double> x, std::span<const long double> y);
// The spline's value at `at`; beyond the ends the end pieces are extended.
long double SplineInterpolation(std::span<const long double> x, std::span<const long double> y,
                                std::span<const long double> secondDerivatives, long double at);

// The value at `at` of the polynomial through all points (Neville's scheme); `error` receives
// the last correction made, an estimate of the value's error. The x values must differ and
// there must be at least one point of equal count in x and y; otherwise std::invalid_argument.
long double PolynomialInterpolation(std::span<const long double> x,
                                    std::span<const long double> y, long double at,
                                    long double& error);
// The value at `at` of the diagonal rational function through all points (Bulirsch-Stoer);
// `error` as above. At a point of the table its y value, error 0. Where the scheme divides by
// zero, at a pole of the function or of one of the lower-order functions it passes through,
// the value is NaN and the error infinite; next to a pole both are huge. Table requirements
// as above.
long double RationalInterpolation(std::span<const long double> x,
                                  std::span<const long double> y, long double at,
                                  long double& error);

}  // namespace Imath
