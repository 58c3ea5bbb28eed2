#pragma once
// Which chart objects lie at a picked position: the engine's query over a small square around
// it at the view's scale, in drawing-priority order, without the classes that cover everything
// (soundings, depth areas and contours, land areas, coastlines, coverage, class 10001). Point
// objects are found by their drawn symbol. The result goes to the chart object inspector.

#include "platform/chartengine/ObjectInspector.h"
#include "platform/geodesy/GeoTypes.h"

#include <cstdint>
#include <vector>

class MapManager;
class MapView;

// One object found: the database that holds it and its identifier.
using goGUID = chartengine::ObjectReference;

// The objects in the square of halfSize metric units around position (the engine's metric
// plane: 0.1 mm on the display). Always 1; the result is empty when nothing was found, when the
// view is not ready, or when the square cannot be made (never the whole world).
int QueryObjectsAt(const MapManager& manager, const MapView& view, const cmgbase::GeoPoint& position,
                   int32_t halfSize, std::vector<goGUID>& result);
