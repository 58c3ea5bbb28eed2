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

// A point array cut into stretches: stretch k runs from point k * kStretchPoints up to and
// including point (k + 1) * kStretchPoints, so that each edge between neighbouring points lies
// in one stretch. The tests below skip whole stretches whose bounds lie away from where they
// look, which spares most of the edges of a long ring.
inline constexpr size_t kStretchPoints = 32;
// The bounds of each stretch of the points.
std::vector<cmgbase::GeoRect> StretchBoundsOf(std::span<const cmgbase::GeoPoint> points);

// One ring; with the stretch bounds of the point array it lies in and its first point's place
// there.
struct StretchedRing {
    Ring points;
    const cmgbase::GeoRect* stretches = nullptr;
    size_t first = 0;
};

// The rings (or lines, or point groups) of one geometry: either parts of a cell's point array,
// with that array's stretch bounds when known, or a list of point vectors.
class RingSet {
public:
    RingSet(std::span<const PartRecord> parts, const cmgbase::GeoPoint* points,
            const cmgbase::GeoRect* stretches = nullptr)
        : parts_(parts), points_(points), stretches_(stretches)
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
    StretchedRing stretched(size_t i) const
    {
        if (points_)
            return {(*this)[i], stretches_, parts_[i].firstPoint};
        return {rings_[i]};
    }

private:
    std::span<const PartRecord> parts_;
    const cmgbase::GeoPoint* points_ = nullptr;
    const cmgbase::GeoRect* stretches_ = nullptr;
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
