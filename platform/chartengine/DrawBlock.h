#pragma once
// What a symbolization works on: where it would draw (the painter and the window rectangle in
// device coordinates) and the view's projection and viewport.

#include "platform/chartengine/ProjectionTypes.h"

class QPainter;

namespace chartengine {

class GeoProjection;
class MapViewport;

struct DrawBlock {
    QPainter* painter = nullptr;
    DeviceRect window;
    const GeoProjection* projection = nullptr;
    const MapViewport* viewport = nullptr;
};

}  // namespace chartengine
