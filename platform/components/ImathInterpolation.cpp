#include "platform/components/Imath.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace Imath {

namespace {

void CheckTable(std::span<const long double> x, std::span<const long double> y,
                size_t minimumPoints)
{
    if (x.size() != y.size())
        throw std::invalid_argument("interpolation table: x and y differ in count");
    if (x.size() < minimumPoints)
        throw std::invalid_argument("interpolation table: too few points");
}

void CheckRising(std::span<const long double> x)
{
    for (size_t i = 1; i < x.size(); ++i)
        if (!(x[i] > x[i - 1]))
            throw std::invalid_argument("interpolation table: x values do not rise");
}

void CheckDistinct(std::span<const long double> x)
{
    if (std::any_of(x.begin(), x.end(), [](long double v) { return std::isnan(v); }))
        throw std::invalid_argument("interpolation table: an x value is not a number");
    std::vector<long double> sorted(x.begin(), x.end());
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end())
        throw std::invalid_argument("interpolation table: an x value occurs twice");
}

// The index of the table point nearest to `at`.
size_t Nearest(std::span<const long double> x, long double at)
{
    size_t nearest = 0;
    for (size_t i = 1; i < x.size(); ++i)
        if (std::abs(at - x[i]) < std::abs(at - x[nearest]))
            nearest = i;
    return nearest;
}

// Tableau walk shared by Neville's and the Bulirsch-Stoer scheme: starting at the nearest
// point, each column adds the correction c or d that keeps the path closest to the centre of
// the table. `step` fills column m of c and d and returns false at a pole.
template <typename Step>
long double WalkTableau(std::span<const long double> x, std::span<const long double> y,
                        long double at, std::vector<long double>& c,
                        std::vector<long double>& d, long double& error, Step step)
{
    const ptrdiff_t n = static_cast<ptrdiff_t>(x.size());
    ptrdiff_t ns = static_cast<ptrdiff_t>(Nearest(x, at));
    long double value = y[static_cast<size_t>(ns)];
    --ns;
    error = 0;
    for (ptrdiff_t m = 1; m < n; ++m) {
        if (!step(m)) {
            error = std::numeric_limits<long double>::infinity();
            return std::numeric_limits<long double>::quiet_NaN();
        }
        error = 2 * (ns + 1) < n - m ? c[static_cast<size_t>(ns + 1)]
                                     : d[static_cast<size_t>(ns--)];
        value += error;
    }
    return value;
}

}  // namespace

std::vector<long double> Spline(std::span<const long double> x, std::span<const long double> y)
{
    CheckTable(x, y, 2);
    CheckRising(x);
    const size_t n = x.size();
    std::vector<long double> second(n, 0);
    std::vector<long double> u(n, 0);
    // Tridiagonal system solved by decomposition (forward) and back-substitution.
    for (size_t i = 1; i + 1 < n; ++i) {
        const long double sig = (x[i] - x[i - 1]) / (x[i + 1] - x[i - 1]);
        const long double p = sig * second[i - 1] + 2;
        second[i] = (sig - 1) / p;
        const long double slopeChange =
            (y[i + 1] - y[i]) / (x[i + 1] - x[i]) - (y[i] - y[i - 1]) / (x[i] - x[i - 1]);
        u[i] = (6 * slopeChange / (x[i + 1] - x[i - 1]) - sig * u[i - 1]) / p;
    }
    second[n - 1] = 0;
    for (size_t k = n - 1; k-- > 0;)
        second[k] = second[k] * second[k + 1] + u[k];
    return second;
}

long double SplineInterpolation(std::span<const long double> x, std::span<const long double> y,
                                std::span<const long double> secondDerivatives, long double at)
{
    CheckTable(x, y, 2);
    if (secondDerivatives.size() != x.size())
        throw std::invalid_argument("spline: second derivatives and table differ in count");
    const size_t above = static_cast<size_t>(std::upper_bound(x.begin(), x.end(), at) - x.begin());
    const size_t hi = std::clamp<size_t>(above, 1, x.size() - 1);
    const size_t lo = hi - 1;
    const long double h = x[hi] - x[lo];
    const long double a = (x[hi] - at) / h;
    const long double b = (at - x[lo]) / h;
    return a * y[lo] + b * y[hi] +
           ((a * a * a - a) * secondDerivatives[lo] + (b * b * b - b) * secondDerivatives[hi]) *
               (h * h) / 6;
}

long double PolynomialInterpolation(std::span<const long double> x,
                                    std::span<const long double> y, long double at,
                                    long double& error)
{
    CheckTable(x, y, 1);
    CheckDistinct(x);
    std::vector<long double> c(y.begin(), y.end());
    std::vector<long double> d(y.begin(), y.end());
    return WalkTableau(x, y, at, c, d, error, [&](ptrdiff_t m) {
        for (size_t i = 0; i + static_cast<size_t>(m) < x.size(); ++i) {
            const long double ho = x[i] - at;
            const long double hp = x[i + static_cast<size_t>(m)] - at;
            const long double w = (c[i + 1] - d[i]) / (ho - hp);
            d[i] = hp * w;
            c[i] = ho * w;
        }
        return true;
    });
}

long double RationalInterpolation(std::span<const long double> x,
                                  std::span<const long double> y, long double at,
                                  long double& error)
{
    CheckTable(x, y, 1);
    CheckDistinct(x);
    for (size_t i = 0; i < x.size(); ++i)
        if (x[i] == at) {
            error = 0;
            return y[i];
        }
    // A tiny offset in d keeps an interpolation towards a zero of the function from becoming
    // 0 / 0; scaled to the table so that it never shows in the result.
    long double largest = 0;
    for (const long double v : y)
        largest = std::max(largest, std::abs(v));
    const long double tiny = (largest > 0 ? largest : 1) * 1e-30L;
    std::vector<long double> c(y.begin(), y.end());
    std::vector<long double> d(y.size());
    for (size_t i = 0; i < y.size(); ++i)
        d[i] = y[i] + tiny;
    return WalkTableau(x, y, at, c, d, error, [&](ptrdiff_t m) {
        for (size_t i = 0; i + static_cast<size_t>(m) < x.size(); ++i) {
            const long double w = c[i + 1] - d[i];
            const long double t = (x[i] - at) * d[i] / (x[i + static_cast<size_t>(m)] - at);
            long double dd = t - c[i + 1];
            if (dd == 0)
                return false;
            dd = w / dd;
            d[i] = c[i + 1] * dd;
            c[i] = t * dd;
        }
        return true;
    });
}

}  // namespace Imath
