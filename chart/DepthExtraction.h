#pragma once
// The chart's own depths for the 3D export: soundings, obstructions, rocks, wrecks, depth
// contours and the coastline of the area the main view showed at its last draw, as points with
// a depth, through the engine's object query.

#include <cstdint>
#include <vector>

class MapManager;
class MapView;

// One chart depth point.
struct TMap3DPoint {
    int32_t x = 0;  // export coordinates of the view's area (DepthExportFile.h)
    int32_t y = 0;
    double depth = 0.0;  // in the display depth unit, negative below the surface, 0 on the coast
    int32_t screenX = 0;  // the point's pixel in the view
    int32_t screenY = 0;
};

// Appends the depth points of the view's area to points, in the order the query gives the
// objects. An obstruction without a sounding takes minus foulAreaDepth where it is a foul area
// (CATOBS 6); a rock without one, -0.5 where it covers and uncovers or is awash (WATLEV 1, 2, 4,
// 5); a contour of 0 lies at -0.5. Depths are multiplied by depthFactor (the display unit). False
// when the view is not ready or the engine failed; the points found before stay.
bool ExtractDepthData(const MapManager& manager, const MapView& view, float foulAreaDepth, float depthFactor,
                      std::vector<TMap3DPoint>& points);
