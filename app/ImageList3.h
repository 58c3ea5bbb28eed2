#pragma once
// The line bar's pictures, 21 x 20: its tools, the four line kinds, the colour glyphs of the
// user colours 1..6 at 8..13 (a frame with the colour inside), and the point list.

#include "app/ImageList.h"

#include <QColor>
#include <QSize>

inline constexpr QSize LineBarImageSize(21, 20);
inline constexpr int FirstColourGlyph3 = 8;

enum LineBarImage {
    LineDeleteImage,
    LineEditImage,
    LineDrawImage,
    LineFinishImage,
    FirstLineKindImage,  // line, polyline, circle, rectangle
    LineListImage = FirstColourGlyph3 + 6,
    LineBarImageCount
};

// A colour glyph: the colour in the frame, white (transparent) around it.
QImage ColourGlyph(const QColor& colour);

// The pictures with the colour glyphs in the user colours of UserColourTable.
ImageList MakeImageList3();
