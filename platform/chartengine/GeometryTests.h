#pragma once
// Whether a chart object's geometry meets a rectangle or a polygon, decided exactly on the
// normalised coordinates. Areas are filled by the even-odd rule over all their rings; every
// ring is closed (its last point joins its first). Edges and boundaries belong to the shapes.
// Rectangles here never cross the antimeridian (x1 <= x2).

#include "platform/chartengine/StoreFormat.h"

#include <span>
#include <vector>

namespace chartengine {

using Ring = std::span<const cmgbase::GeoPoint>;

// The rings (or lines, or point groups) of one geometry: either parts of a cell's point array
// or a list of point vectors.
class RingSet {
public:
    RingSet(std::span<const PartRecord> parts, const cmgbase::GeoPoint* points)
        : parts_(parts), points_(points)
    {
    }
    explicit RingSet(std::span<const std::vector<cmgbase::GeoPoint>> rings) : rings_(rings) {}

    size_t size() const { return points_ ? parts_.size() : rings_.size(); }
    Ring operator[](size_t i) const
    {
        if (points_)
            return {points_ + parts_[i].firstPoint, parts_[i].pointCount};
        return rings_[i];
    }

private:
    std::span<const PartRecord> parts_;
    const cmgbase::GeoPoint* points_ = nullptr;
    std::span<const std::vector<cmgbase::GeoPoint>> rings_;
};

bool RectsMeet(const cmgbase::GeoRect& a, const cmgbase::GeoRect& b);
// The smallest rectangle holding the points; an empty set gives y1 > y2 (an empty rectangle).
cmgbase::GeoRect BoundsOf(const RingSet& rings);

bool PointInRings(const RingSet& rings, const cmgbase::GeoPoint& point);
bool SegmentMeetsRect(const cmgbase::GeoPoint& a, const cmgbase::GeoPoint& b, const cmgbase::GeoRect& rect);
bool SegmentsMeet(const cmgbase::GeoPoint& a, const cmgbase::GeoPoint& b, const cmgbase::GeoPoint& c,
                  const cmgbase::GeoPoint& d);

// kind is a GeometryKind; points and point sets meet by any of their points, lines by any
// segment, areas by their filled inside.
bool ShapeMeetsRect(uint8_t kind, const RingSet& shape, const cmgbase::GeoRect& rect);
// polygon is one closed ring, filled; polygonBounds its bounds.
bool ShapeMeetsPolygon(uint8_t kind, const RingSet& shape, Ring polygon, const cmgbase::GeoRect& polygonBounds);

}  // namespace chartengine
