#pragma once
// The engine's cover: the part of the earth a query or a cell search looks at, a set of
// rectangles together with the band of chart scales it applies to.
//
// The rectangles are disjoint and each has x1 <= x2 and y1 <= y2; one that crosses the
// antimeridian is kept as its two halves. Edges belong to the cover, so taking away a rectangle
// leaves the pieces beside it starting one unit further out.

#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <vector>

namespace cmgbase {

// The scale band of a cover made without one: every scale.
inline constexpr int32_t kCoverCoarsestScale = INT32_MAX;
inline constexpr int32_t kCoverFinestScale = 0;

class GeoCover {
public:
    const std::vector<GeoRect>& rects() const { return rects_; }
    bool isEmpty() const { return rects_.empty(); }
    bool contains(const GeoPoint& point) const;

    // Scale denominators: the cover applies to charts of scale 1:coarsestScale to 1:finestScale.
    int32_t coarsestScale() const { return coarsestScale_; }
    int32_t finestScale() const { return finestScale_; }
    bool coversScale(int32_t denominator) const
    {
        return denominator >= finestScale_ && denominator <= coarsestScale_;
    }

private:
    friend void GeoCover__asn_GeoRect(GeoCover&, const GeoRect&, int32_t, int32_t);
    friend void GeoCover__mul_GeoRect(GeoCover&, const GeoRect&);
    friend void GeoCover__sub_GeoRect(GeoCover&, const GeoRect&);
    friend void GeoCover__clear(GeoCover&);

    std::vector<GeoRect> rects_;
    int32_t coarsestScale_ = kCoverCoarsestScale;
    int32_t finestScale_ = kCoverFinestScale;
};

// The cover becomes the rectangle, for the given scale band (every scale when none is given).
void GeoCover__asn_GeoRect(GeoCover& cover, const GeoRect& rect,
                           int32_t coarsestScale = kCoverCoarsestScale,
                           int32_t finestScale = kCoverFinestScale);
// The cover keeps only what lies inside the rectangle.
void GeoCover__mul_GeoRect(GeoCover& cover, const GeoRect& rect);
// The cover loses what lies inside the rectangle.
void GeoCover__sub_GeoRect(GeoCover& cover, const GeoRect& rect);
// The cover becomes empty, for every scale.
void GeoCover__clear(GeoCover& cover);

}  // namespace cmgbase
