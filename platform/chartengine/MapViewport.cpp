#include "platform/chartengine/MapViewport.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace chartengine {

namespace {

int32_t RoundedInt32(double value)
{
    return static_cast<int32_t>(std::clamp<double>(std::round(value), -INT32_MAX, INT32_MAX));
}

}  // namespace

MapViewport::MapViewport(std::shared_ptr<const GeoProjection> projection) : projection_(std::move(projection)) {}

HResult MapViewport::DeviceToMetric(const DevicePoint& device, cmgbase::MetricPoint* metric) const
{
    if (!metric)
        return kNullPointer;
    if (!projection_)
        return kNotReady;
    *metric = {RoundedInt32(device.x / projection_->devicePerMetricX()),
               RoundedInt32(device.y / projection_->devicePerMetricY())};
    return kOk;
}

HResult MapViewport::MetricToDevice(const cmgbase::MetricPoint* metric, int32_t count, DevicePoint* device) const
{
    if (count < 0)
        return kInvalidArgument;
    if (count > 0 && (!metric || !device))
        return kNullPointer;
    if (!projection_)
        return kNotReady;
    for (int32_t i = 0; i < count; ++i)
        device[i] = {RoundedInt32(metric[i].x * projection_->devicePerMetricX()),
                     RoundedInt32(metric[i].y * projection_->devicePerMetricY())};
    return kOk;
}

HResult MapViewport::DeviceRectToMetric(const DeviceRect& device, MetricRect* metric) const
{
    if (!metric)
        return kNullPointer;
    cmgbase::MetricPoint a, b;
    HResult result = DeviceToMetric({device.left, device.top}, &a);
    if (!Failed(result))
        result = DeviceToMetric({device.right, device.bottom}, &b);
    if (Failed(result))
        return result;
    *metric = {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    return kOk;
}

HResult MapViewport::AdjustMetricRect(MetricRect* metric) const
{
    if (!metric)
        return kNullPointer;
    if (!projection_)
        return kNotReady;
    MetricRect valid;
    projection_->ValidMetricRect(&valid);
    MetricRect adjusted{std::min(metric->x1, metric->x2), std::min(metric->y1, metric->y2),
                        std::max(metric->x1, metric->x2), std::max(metric->y1, metric->y2)};
    adjusted = {std::max(adjusted.x1, valid.x1), std::max(adjusted.y1, valid.y1), std::min(adjusted.x2, valid.x2),
                std::min(adjusted.y2, valid.y2)};
    *metric = adjusted;
    return kOk;
}

}  // namespace chartengine
