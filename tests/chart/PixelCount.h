#pragma once
// Counting the pixels of one colour in a picture, for the tests of what the overlays draw.

#include <QImage>
#include <QRect>

inline int CountOf(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}
