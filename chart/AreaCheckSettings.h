#pragma once
// What the chart's area checks take from the settings, in metres whatever the depth unit shown.

#include "frame/SetupParameters.h"

// The safety contour a little shallower, so that an area charted at exactly that depth is no
// danger.
inline float AreaCheckSafetyDepth()
{
    return float(SetupParameters.SafetyContour) - 0.1f;
}

inline float AreaCheckVesselHeight()
{
    return float(SetupParameters.Height);
}
