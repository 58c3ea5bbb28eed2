#include "app/OverlayArea.h"

#include "frame/PaintBounds.h"

#include <algorithm>

namespace {

QRect PaintBox;

}  // namespace

void SetOverlayPaintBox(const QRect& box)
{
    PaintBox = box;
}

void AddPaintedArea(int64_t left, int64_t top, int64_t right, int64_t bottom)
{
    // Held to the paint box first: what lies outside it is never shown, and the clamped values
    // fit int32 whatever was asked.
    left = std::max<int64_t>(left, PaintBox.left());
    top = std::max<int64_t>(top, PaintBox.top());
    right = std::min<int64_t>(right, PaintBox.right());
    bottom = std::min<int64_t>(bottom, PaintBox.bottom());
    if (left > right || top > bottom)
        return;
    // The overlay rectangle keeps its right and bottom edges outside, as the paint bounds do.
    ExtendPaintBounds(int32_t(left), int32_t(top), int32_t(right + 1), int32_t(bottom + 1));
}

void AddPaintedPoint(const ScreenPoint& point, int32_t margin)
{
    AddPaintedArea(int64_t(point.x) - margin, int64_t(point.y) - margin, int64_t(point.x) + margin,
                   int64_t(point.y) + margin);
}

void AddPaintedLine(const ScreenPoint& from, const ScreenPoint& to, int32_t margin)
{
    AddPaintedArea(int64_t(std::min(from.x, to.x)) - margin, int64_t(std::min(from.y, to.y)) - margin,
                   int64_t(std::max(from.x, to.x)) + margin, int64_t(std::max(from.y, to.y)) + margin);
}

QRect PaintedArea()
{
    const OverlayRect& r = OverlayDirtyRect;
    if (!r.holdsArea)
        return {};
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)).intersected(PaintBox);
}
