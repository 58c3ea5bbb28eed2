#include "platform/chartengine/RadarScene.h"

#include "platform/chartengine/GeoDatabase.h"
#include "platform/chartengine/GeoDatabaseQueryFilter.h"
#include "platform/chartengine/S57Codes.h"
#include "platform/geodesy/GeoCover.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace chartengine {

namespace {

constexpr double kEquatorialRadius = 6378137.0;
constexpr double kFlattening = 1.0 / 298.257223563;

// The object classes a radar sees. Points: buoys, beacons, landmarks, platforms, piles,
// pylons, silos, hulks, light vessels and floats, radar reflectors.
constexpr int32_t kConspicuousClasses[] = {5, 6, 7, 8, 9, 14, 15, 16, 17, 18, 19, 65, 74, 76, 77, 87, 90, 98, 101, 125};
constexpr int32_t kRacon = 103;
constexpr int32_t kShorelineConstruction = 122;
constexpr int32_t kPontoon = 95;
// CATWRK: 4 hull showing, 5 mast showing; WATLEV: 1 partly submerged at high water, 2 always dry.
constexpr int32_t kWreckShowing[] = {4, 5};
constexpr int32_t kWaterLevelShowing[] = {1, 2};

class RadarClassFilter : public GeoDatabaseQueryFilter {
public:
    HResult Filter(int32_t, const ChartObject* object, int32_t* reject) override
    {
        *reject = Wanted(object->ClassCode()) ? 0 : 1;
        return kOk;
    }

    static bool Wanted(int32_t code)
    {
        return code == s57class::LNDARE || code == s57class::BRIDGE || code == kShorelineConstruction ||
               code == kPontoon || code == kRacon || code == s57class::WRECKS ||
               std::ranges::find(kConspicuousClasses, code) != std::end(kConspicuousClasses);
    }
};

bool WreckShows(const ChartObject& wreck)
{
    AttributeValue value;
    if (wreck.Attribute(s57attribute::CATWRK, &value) == kOk && value.integer() &&
        std::ranges::find(kWreckShowing, *value.integer()) != std::end(kWreckShowing))
        return true;
    return wreck.Attribute(s57attribute::WATLEV, &value) == kOk && value.integer() &&
           std::ranges::find(kWaterLevelShowing, *value.integer()) != std::end(kWaterLevelShowing);
}

QPolygonF ToMetres(const LocalFrame& frame, Ring ring)
{
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(ring.size()));
    for (const cmgbase::GeoPoint& point : ring)
        polygon.append(frame.ToMetres(point));
    return polygon;
}

void AddPoints(const LocalFrame& frame, const ChartObject& object, std::vector<QPointF>& points)
{
    const RingSet geometry = object.Geometry();
    for (size_t i = 0; i < geometry.size(); ++i)
        for (const cmgbase::GeoPoint& point : geometry[i])
            points.push_back(frame.ToMetres(point));
}

}  // namespace

LocalFrame::LocalFrame(double latitude, double longitude) : latitude_(latitude), longitude_(longitude)
{
    const double e2 = kFlattening * (2.0 - kFlattening);
    const double s = std::sin(latitude * std::numbers::pi / 180.0);
    const double w = std::sqrt(1.0 - e2 * s * s);
    const double meridian = kEquatorialRadius * (1.0 - e2) / (w * w * w);
    const double normal = kEquatorialRadius / w;
    const double perDegree = std::numbers::pi / 180.0;
    metresPerDegreeNorth_ = meridian * perDegree;
    metresPerDegreeEast_ = std::max(normal * std::cos(latitude * perDegree) * perDegree, 1.0);
}

QPointF LocalFrame::ToMetres(const cmgbase::GeoPoint& position) const
{
    double east = cmgbase::nrm2deg(position.x) - longitude_;
    east = std::remainder(east, 360.0);
    const double north = cmgbase::nrm2deg(position.y) - latitude_;
    return {east * metresPerDegreeEast_, north * metresPerDegreeNorth_};
}

void LocalFrame::ToDegrees(const QPointF& metres, double* latitude, double* longitude) const
{
    *latitude = latitude_ + metres.y() / metresPerDegreeNorth_;
    *longitude = std::remainder(longitude_ + metres.x() / metresPerDegreeEast_, 360.0);
}

RadarScene CollectRadarScene(const GeoDatabase& chart, const LocalFrame& frame, double rangeMetres)
{
    RadarScene scene;
    double south = 0, west = 0, north = 0, east = 0;
    frame.ToDegrees({-rangeMetres, -rangeMetres}, &south, &west);
    frame.ToDegrees({rangeMetres, rangeMetres}, &north, &east);
    const cmgbase::GeoRect area{cmgbase::deg2nrm(west), cmgbase::deg2nrm(std::max(south, -89.0)),
                                cmgbase::deg2nrm(east), cmgbase::deg2nrm(std::min(north, 89.0))};

    RadarClassFilter filter;
    SearchRequest request;
    cmgbase::GeoCover__asn_GeoRect(request.cover, area);
    // The scale at which the range fills a chart about a metre across.
    request.finestScale = static_cast<int32_t>(std::clamp(rangeMetres * 4.0, 1.0, 1.0e8));
    request.filter = &filter;
    std::unique_ptr<ObjectEnumerator> objects;
    if (Failed(chart.Search(request, &objects)) || !objects)
        return scene;

    ChartObject object;
    while (objects->Next(&object) == kOk) {
        const int32_t code = object.ClassCode();
        const uint8_t kind = object.Kind();
        if (code == kRacon) {
            AddPoints(frame, object, scene.racons);
            continue;
        }
        if (code == s57class::WRECKS && !WreckShows(object))
            continue;
        if (kind == kGeometryPoint || kind == kGeometryPointSet) {
            AddPoints(frame, object, scene.conspicuous);
            continue;
        }
        const RingSet geometry = object.Geometry();
        auto& into = code == s57class::LNDARE ? scene.land : scene.constructions;
        if (code == s57class::LNDARE && kind != kGeometryArea)
            continue;
        for (size_t i = 0; i < geometry.size(); ++i)
            into.push_back(ToMetres(frame, geometry[i]));
    }
    return scene;
}

}  // namespace chartengine
