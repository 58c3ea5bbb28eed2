#include "platform/components/IgpScales.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Igpfunctions {

namespace {

// Quotients within this of a whole number count as whole, so that 0.3 / 0.1 is 3 steps.
constexpr double Slack = 1e-9;

// k steps, computed so that decimal steps give the nearest double (3 x 0.1 gives 0.3): a round
// step below 1 is 1 over a whole number.
double Multiple(double k, double step)
{
    return step < 1 && std::isfinite(1 / step) ? k / std::round(1 / step) : k * step;
}

double StepsBelow(double value, double step)
{
    return std::floor(value / step + Slack);
}

double StepsAbove(double value, double step)
{
    return std::ceil(value / step - Slack);
}

// Orders the range and widens an empty one; false when it or its size is not finite.
bool PrepareRange(double& minimum, double& maximum)
{
    if (minimum > maximum)
        std::swap(minimum, maximum);
    if (minimum == maximum) {
        const double widening = minimum == 0 ? 1 : std::abs(minimum) / 10;
        minimum -= widening;
        maximum += widening;
    }
    return std::isfinite(minimum) && std::isfinite(maximum) && std::isfinite(maximum - minimum);
}

// The smallest round step at or above `rough`: 1, 2, 2.5 or 5 times a power of ten.
double RoundStepAtLeast(double rough)
{
    const double decade = std::pow(10, std::floor(std::log10(rough)));
    for (const double mantissa : {1.0, 2.0, 2.5, 5.0})
        if (mantissa * decade >= rough * (1 - Slack))
            return mantissa * decade;
    return 10 * decade;
}

// The round step above `step`.
double NextRoundStep(double step)
{
    return RoundStepAtLeast(step * (1 + 1e-6));
}

// The smallest round step that covers the range in at most `steps` steps, searched upwards from
// range / steps. Two steps always suffice once the step passes both limits' sizes.
double ScaleStep(double minimum, double maximum, int steps)
{
    double step = RoundStepAtLeast((maximum - minimum) / steps);
    while (StepsAbove(maximum, step) - StepsBelow(minimum, step) > steps)
        step = NextRoundStep(step);
    return step;
}

}  // namespace

bool GetAutoScaleValuesAdjustable(double& minimum, double& maximum, double& step, int maxSteps)
{
    double low = minimum;
    double high = maximum;
    if (!PrepareRange(low, high))
        return false;
    step = ScaleStep(low, high, std::max(maxSteps, 2));
    minimum = Multiple(StepsBelow(low, step), step);
    maximum = Multiple(StepsAbove(high, step), step);
    return true;
}

bool GetAutoScaleValuesFixed(double& minimum, double& maximum, double& step, int steps)
{
    double low = minimum;
    double high = maximum;
    if (!PrepareRange(low, high))
        return false;
    steps = std::max(steps, 2);
    step = ScaleStep(low, high, steps);
    const double below = StepsBelow(low, step);
    minimum = Multiple(below, step);
    maximum = Multiple(below + steps, step);
    return true;
}

}  // namespace Igpfunctions
