#pragma once
// The chart engine as the program holds it: one manager with the views attached to it.

#include <vector>

class MapView;

class MapManager {
public:
    MapManager() = default;
    MapManager(const MapManager&) = delete;
    MapManager& operator=(const MapManager&) = delete;

    // Opens the chart engine; non-zero on success.
    int Init(int mode);

    std::vector<MapView*> views;  // the main view, then the mini view
};

// The chart engine of the program (null while it is not started).
extern MapManager* ChartEngine;
