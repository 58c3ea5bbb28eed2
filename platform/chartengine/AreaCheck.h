#pragma once
// The area checks of the look-ahead: a polygon query (the objects of a chart database inside a
// polygon, nearest to a start point first) and the filter that keeps what matters to a vessel of
// a given draught and height:
// - depth areas and dredged areas whose shallowest depth (DRVAL1) is less than the safety depth,
//   soundings shallower than it, and obstructions, wrecks and rocks whose depth (VALSOU) is less
//   than it or unknown;
// - land areas;
// - bridges, overhead cables, overhead pipelines and conveyors whose vertical clearance (the
//   least of VERCLR, VERCCL, VERCOP and VERCSA) is less than the vessel height;
// - the caution and regulated areas a vessel enters (kWatchedAreaClasses), whatever their depth.

#include "platform/chartengine/GeoDatabase.h"
#include "platform/chartengine/GeoDatabaseQueryFilter.h"
#include "platform/chartengine/ObjectEnumerator.h"
#include "platform/geodesy/GeoPolygon.h"

#include <array>
#include <memory>

namespace chartengine {

inline constexpr std::array<int32_t, 32> kWatchedAreaClasses = {
    4,   20,  25,  26,  27,  40,  41,  46,  48,  51,  53,  66,  67,  68,  83,  88,
    92,  96,  108, 109, 110, 112, 120, 133, 134, 145, 146, 147, 148, 149, 150, 152};

// The start point that stands for none: the objects are then given in storage order.
inline constexpr cmgbase::GeoPoint kNoStartPoint{0, INT32_MIN};

class AreaCheckFilter : public GeoDatabaseQueryFilter {
public:
    HResult SetSafetyDepth(float metres);
    HResult SetVesselHeight(float metres);
    HResult Filter(int32_t reserved, const ChartObject* object, int32_t* reject) override;

private:
    bool isDanger(const ChartObject& object) const;

    float safetyDepth_ = 0.0f;
    float vesselHeight_ = 0.0f;
};

class AreaQuery {
public:
    HResult Attach(GeoDatabase* database);
    // The most objects a run gives (at least 1).
    HResult SetLimit(int32_t count);
    // Milliseconds a run may take (the objects found by then are given), or -1 for no limit.
    HResult SetTimeout(int32_t milliseconds);
    HResult SetStartPoint(const cmgbase::GeoPoint& start);
    HResult SetPolygon(const cmgbase::TGeoPolygone& polygon);
    HResult SetFilter(std::shared_ptr<GeoDatabaseQueryFilter> filter);
    // The objects meeting the polygon; kNoInterface and no enumerator when there are none,
    // kNotReady without a database or a polygon of at least three points.
    HResult Run(std::unique_ptr<ObjectEnumerator>* objects);
    // Forgets start point and polygon; the database, limit, time-out and filter stay.
    HResult Reset();

private:
    GeoDatabase* database_ = nullptr;
    int32_t limit_ = 1000;
    int32_t timeout_ = -1;
    cmgbase::GeoPoint start_ = kNoStartPoint;
    std::vector<cmgbase::GeoPoint> polygon_;
    std::shared_ptr<GeoDatabaseQueryFilter> filter_;
};

}  // namespace chartengine
