#include "app/ImageList1.h"

#include "app/ToolBarGlyphs.h"

ImageList MakeImageList1()
{
    return DrawToolBarImages({
        .outline = qRgb(0, 0, 0),
        .accent = qRgb(0, 64, 192),
        .warning = qRgb(208, 0, 0),
        .water = qRgb(150, 200, 240),
        .land = qRgb(210, 180, 90),
        .light = qRgb(232, 232, 232),
    });
}
