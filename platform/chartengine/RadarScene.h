#pragma once
// What the radar sees of the chart around its antenna, in a flat frame of metres centred on the
// antenna (x east, y north): land areas, shoreline constructions and bridges, and the point
// objects that give a strong echo. Found once per antenna place and range, not per frame.

#include "platform/geodesy/GeoTypes.h"

#include <QPointF>
#include <QPolygonF>

#include <vector>

namespace chartengine {

class GeoDatabase;

// Geographic positions to metres east and north of an origin and back, on the WGS84 ellipsoid's
// radii of curvature at the origin: true to a few metres across the longest radar range.
class LocalFrame {
public:
    LocalFrame() = default;
    LocalFrame(double latitude, double longitude);

    QPointF ToMetres(const cmgbase::GeoPoint& position) const;
    // Degrees.
    void ToDegrees(const QPointF& metres, double* latitude, double* longitude) const;

private:
    double latitude_ = 0.0;
    double longitude_ = 0.0;
    double metresPerDegreeNorth_ = 1.0;
    double metresPerDegreeEast_ = 1.0;
};

struct RadarScene {
    std::vector<QPolygonF> land;           // rings of land areas
    std::vector<QPolygonF> constructions;  // lines and rings of shoreline constructions, bridges
    std::vector<QPointF> conspicuous;      // buoys, beacons, landmarks, platforms, piles, wrecks, reflectors
    std::vector<QPointF> racons;
};

// The scene within rangeMetres of the antenna from the chart database (cells, and the world base
// where no cell has data), as the database would be shown at a scale that fits the range.
RadarScene CollectRadarScene(const GeoDatabase& chart, const LocalFrame& frame, double rangeMetres);

}  // namespace chartengine
