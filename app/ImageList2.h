#pragma once
// The symbol bar's pictures, 21 x 20: the 50 symbols of the symbol strip (0..49), the bar's
// tools (50..53), the colour glyphs of the user colours 1..6 (54..59) and the symbol
// selection (60).

#include "app/ImageList.h"

class QImage;

inline constexpr int SymbolImageCount = 50;
inline constexpr int FirstColourGlyph2 = 54;

enum SymbolBarImage {
    SymbolDeleteImage = SymbolImageCount,
    SymbolMoveImage,
    SymbolNewImage,
    SymbolFinishImage,
    SymbolSelectionImage = FirstColourGlyph2 + 6,
    SymbolBarImageCount
};

// The symbols in black from the mask row of the strip, the colour glyphs in the user colours
// of UserColourTable.
ImageList MakeImageList2(const QImage& symbolStrip);
