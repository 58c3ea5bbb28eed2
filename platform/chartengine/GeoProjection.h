#pragma once
// The Mercator projection of a chart view (WGS84 ellipsoid): geographic positions to the metric
// plane and back (ProjectionTypes.h). The scale is true at the latitude of the view centre;
// longitudes are taken the short way round from the centre, so a view across the antimeridian
// is continuous. Latitudes are valid up to 89.5 degrees north and south.

#include "platform/chartengine/DrawBlock.h"
#include "platform/chartengine/EngineStatus.h"
#include "platform/chartengine/ProjectionTypes.h"
#include "platform/geodesy/GeoCover.h"
#include "platform/geodesy/MapMetrics.h"

namespace chartengine {

class GeoProjection {
public:
    // 1:10000000 at 0 N 0 E, 5000 device pixels per metre.
    GeoProjection();

    HResult GetBlock(ProjectionBlock* block) const;
    // Takes scale, centre and device pixels per metre (the engine words are the projection's
    // own and are ignored). kInvalidArgument, the block unchanged, for a scale or pixel count
    // below 1 or a centre beyond the valid latitudes.
    HResult PutBlock(const ProjectionBlock& block);
    // The angle (degrees) the chart is turned by: the bearing that points up on the display.
    HResult SetRotation(double degrees);
    double Rotation() const { return rotationDegrees_; }

    // The metric rectangle holding every valid position.
    HResult ValidMetricRect(MetricRect* rect) const;
    // kFail for a position beyond the valid latitudes or beyond the metric plane's range.
    HResult GeoToMetric(const cmgbase::GeoPoint& position, cmgbase::MetricPoint* point) const;
    HResult MetricToGeo(const cmgbase::MetricPoint& point, cmgbase::GeoPoint* position) const;
    // The geographic rectangle holding the metric rectangle (turned as the view is). It crosses
    // the antimeridian (x1 > x2) when the rectangle does, and spans every longitude when it is
    // wider than the earth.
    HResult MetricRectToGeoRect(const MetricRect& rect, cmgbase::GeoRect* area) const;
    // Fills the block for drawing the cover: this projection, and as window the device rectangle
    // holding the cover's rectangles. kInvalidArgument for an empty cover.
    HResult FillDrawBlock(const cmgbase::GeoCover& cover, DrawBlock* block) const;

    // Device pixels per metric unit, horizontally and vertically.
    double devicePerMetricX() const { return block_.devicePixelsPerMetreX / kMetricUnitsPerMetre; }
    double devicePerMetricY() const { return block_.devicePixelsPerMetreY / kMetricUnitsPerMetre; }

private:
    // Metric units per metre of the Mercator plane (the scale factor at the centre included).
    double metricPerMercatorMetre() const;
    double centreMercatorY_ = 0.0;
    ProjectionBlock block_;
    double rotationDegrees_ = 0.0;
};

}  // namespace chartengine
