#pragma once
// The screen area that the dynamic overlay drew in its last frame, so that the next frame
// erases just that.

#include <cstdint>

struct OverlayRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    uint8_t holdsArea;  // clear: the rectangle holds nothing yet
};

// The overlay painter starts it for each frame (or clears holdsArea); the painters grow it.
extern OverlayRect OverlayDirtyRect;

// Grows OverlayDirtyRect by a drawn rectangle. The first rectangle is taken as it is; later
// ones widen it, held to the screen (ScreenWidth, ScreenHeight).
void ExtendPaintBounds(int32_t left, int32_t top, int32_t right, int32_t bottom);
