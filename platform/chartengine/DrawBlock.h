#pragma once
// What a symbolization works on: where it would draw (the painter, whose transform takes device
// points to pixels, and the window rectangle in device coordinates), the palette selected into
// the painter (the symbolization's palette indices point into it), the view's draw companion
// and the view's projection and viewport.

#include "platform/chartengine/ProjectionTypes.h"

#include <QRgb>

#include <vector>

class QPainter;

namespace chartengine {

class DrawCompanion;
class GeoProjection;
class MapViewport;

struct DrawBlock {
    QPainter* painter = nullptr;
    DeviceRect window;
    DrawCompanion* companion = nullptr;
    const GeoProjection* projection = nullptr;
    const MapViewport* viewport = nullptr;
    // Empty: the symbolization draws its colours of the day-bright scheme.
    std::vector<QRgb> palette;
};

}  // namespace chartengine
