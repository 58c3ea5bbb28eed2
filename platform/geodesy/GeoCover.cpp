#include "platform/geodesy/GeoCover.h"

#include <algorithm>

namespace cmgbase {
namespace {

// The rectangle as at most two rectangles with x1 <= x2: one crossing the antimeridian splits
// there; an empty one (y1 > y2) gives none.
std::vector<GeoRect> Unwrapped(const GeoRect& rect)
{
    if (rect.y1 > rect.y2)
        return {};
    if (rect.x1 <= rect.x2)
        return {rect};
    return {{rect.x1, rect.y1, INT32_MAX, rect.y2}, {INT32_MIN, rect.y1, rect.x2, rect.y2}};
}

bool Intersect(const GeoRect& a, const GeoRect& b, GeoRect& common)
{
    common = {std::max(a.x1, b.x1), std::max(a.y1, b.y1), std::min(a.x2, b.x2),
              std::min(a.y2, b.y2)};
    return common.x1 <= common.x2 && common.y1 <= common.y2;
}

// Appends the parts of `piece` outside `hole` (up to four disjoint rectangles).
void AppendDifference(const GeoRect& piece, const GeoRect& hole, std::vector<GeoRect>& out)
{
    GeoRect common;
    if (!Intersect(piece, hole, common)) {
        out.push_back(piece);
        return;
    }
    // Full-width bands below and above the hole, then the parts left and right of it.
    if (common.y1 > piece.y1)
        out.push_back({piece.x1, piece.y1, piece.x2, common.y1 - 1});
    if (common.y2 < piece.y2)
        out.push_back({piece.x1, common.y2 + 1, piece.x2, piece.y2});
    if (common.x1 > piece.x1)
        out.push_back({piece.x1, common.y1, common.x1 - 1, common.y2});
    if (common.x2 < piece.x2)
        out.push_back({common.x2 + 1, common.y1, piece.x2, common.y2});
}

}  // namespace

bool GeoCover::contains(const GeoPoint& point) const
{
    return std::any_of(rects_.begin(), rects_.end(),
                       [&](const GeoRect& rect) { return cross__GeoPoint_GeoRect(point, rect); });
}

void GeoCover__asn_GeoRect(GeoCover& cover, const GeoRect& rect, int32_t coarsestScale,
                           int32_t finestScale)
{
    cover.rects_ = Unwrapped(rect);
    cover.coarsestScale_ = coarsestScale;
    cover.finestScale_ = finestScale;
}

void GeoCover__mul_GeoRect(GeoCover& cover, const GeoRect& rect)
{
    std::vector<GeoRect> kept;
    for (const GeoRect& part : Unwrapped(rect)) {
        for (const GeoRect& piece : cover.rects_) {
            GeoRect common;
            if (Intersect(piece, part, common))
                kept.push_back(common);
        }
    }
    cover.rects_ = std::move(kept);
}

void GeoCover__sub_GeoRect(GeoCover& cover, const GeoRect& rect)
{
    for (const GeoRect& hole : Unwrapped(rect)) {
        std::vector<GeoRect> kept;
        for (const GeoRect& piece : cover.rects_)
            AppendDifference(piece, hole, kept);
        cover.rects_ = std::move(kept);
    }
}

void GeoCover__clear(GeoCover& cover)
{
    cover = GeoCover();
}

}  // namespace cmgbase
