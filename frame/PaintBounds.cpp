#include "frame/PaintBounds.h"

#include "frame/SharedTables.h"

#include <algorithm>

OverlayRect OverlayDirtyRect{};

void ExtendPaintBounds(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    OverlayRect& r = OverlayDirtyRect;
    if (!r.holdsArea) {
        r = {left, top, right, bottom, 1};
        return;
    }
    r.left = std::max(std::min(r.left, left), 0);
    r.top = std::max(std::min(r.top, top), 0);
    r.right = std::min(std::max(r.right, right), ScreenWidth);
    r.bottom = std::min(std::max(r.bottom, bottom), ScreenHeight);
}
