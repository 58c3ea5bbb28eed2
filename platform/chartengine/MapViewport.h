#pragma once
// The device side of a chart view: metric points (ProjectionTypes.h) to device pixels and back,
// at the device pixels per metre of its projection's block.

#include "platform/chartengine/GeoProjection.h"

#include <memory>

namespace chartengine {

class MapViewport {
public:
    explicit MapViewport(std::shared_ptr<const GeoProjection> projection);

    HResult DeviceToMetric(const DevicePoint& device, cmgbase::MetricPoint* metric) const;
    HResult MetricToDevice(const cmgbase::MetricPoint* metric, int32_t count, DevicePoint* device) const;
    // The metric rectangle of the device rectangle, as (x1, y1) south-west and (x2, y2) north-east.
    HResult DeviceRectToMetric(const DeviceRect& device, MetricRect* metric) const;
    // Orders the corners (x1 <= x2, y1 <= y2) and clips the rectangle to the projection's valid
    // rectangle.
    HResult AdjustMetricRect(MetricRect* metric) const;

private:
    std::shared_ptr<const GeoProjection> projection_;
};

}  // namespace chartengine
