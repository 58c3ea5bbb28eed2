#pragma once
// Drawing on the static overlay's bitmap ChartBackBitmap: its canvas and the main view's pixels
// of chart positions.

#include "frame/PixelGeometry.h"
#include "platform/geodesy/GeoTypes.h"

#include <QPainter>

#include <optional>

struct ChartWindow;

// A painter on ChartBackBitmap in the overlay font. Each step of the overlay holds one only
// while it draws, so that the steps it calls can open their own.
class BackCanvas : public QPainter {
public:
    explicit BackCanvas(ChartWindow& window);
};

// The pixel of a chart position in the main view; none without a view or for a position it
// cannot place.
std::optional<ScreenPoint> MainViewPixel(const ChartWindow& window, const cmgbase::GeoPoint& position);
