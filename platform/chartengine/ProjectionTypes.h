#pragma once
// The planes a chart view works in. Geographic positions are GeoPoints; the metric plane is the
// chart as it lies on the display, in tenths of a millimetre, centred on the view centre and
// turned by the view rotation (x right, y up); device points are pixels relative to the window
// centre with y up.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>

namespace chartengine {

// Metric units per metre of the display.
inline constexpr double kMetricUnitsPerMetre = 10000.0;

struct MetricRect {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;

    friend bool operator==(const MetricRect&, const MetricRect&) = default;
};

struct DevicePoint {
    int32_t x = 0;
    int32_t y = 0;

    friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

// A device rectangle as a window rectangle is given (left, top, right, bottom); with y up, top is
// the larger value, but either order is taken.
struct DeviceRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// The projection block a view exchanges whole with its projection: the scale (the N of 1:N), the
// view centre, two words the projection fills (the projection kind and the rotation in
// hundredths of a degree), and the device pixels per metre of the display.
struct ProjectionBlock {
    int32_t scale = 0;
    cmgbase::GeoPoint centre;
    int32_t engineWords[2] = {0, 0};
    int32_t devicePixelsPerMetreX = 0;
    int32_t devicePixelsPerMetreY = 0;
};
static_assert(sizeof(ProjectionBlock) == 28);

// engineWords[0] of a Mercator projection.
inline constexpr int32_t kMercatorProjection = 1;

}  // namespace chartengine
