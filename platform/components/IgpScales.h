#pragma once
// Round axis limits and steps for a range of values. Steps are 1, 2, 2.5 or 5 times a power of
// ten; the limits become multiples of the step that enclose the range. A reversed range is
// swapped; an empty one is widened by a tenth of its value (by 1 around 0). A range that is not
// finite is refused: false, and nothing changes.

namespace Igpfunctions {

// The smallest step that covers the range in at most `maxSteps` steps (at least 2: a
// range around 0 always takes two).
bool GetAutoScaleValuesAdjustable(double& minimum, double& maximum, double& step, int maxSteps);
// The smallest step that covers the range in exactly `steps` steps (at least 2), the
// minimum rounded down to it and the maximum set `steps` steps above.
bool GetAutoScaleValuesFixed(double& minimum, double& maximum, double& step, int steps);

}  // namespace Igpfunctions
