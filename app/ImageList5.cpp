#include "app/ImageList5.h"

#include "app/ToolBarGlyphs.h"

ImageList MakeImageList5()
{
    return DrawToolBarImages({
        .outline = qRgb(150, 110, 0),
        .accent = qRgb(0, 90, 130),
        .warning = qRgb(120, 0, 0),
        .water = qRgb(16, 32, 56),
        .land = qRgb(64, 52, 20),
        .light = qRgb(48, 48, 48),
    });
}
