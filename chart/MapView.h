#pragma once
// A chart view of the engine: the main view (0) or the mini overview (1).

#include "platform/geodesy/GeoTypes.h"

#include <array>
#include <cstdint>

class MapManager;

class MapView {
public:
    MapView() = default;
    MapView(const MapView&) = delete;
    MapView& operator=(const MapView&) = delete;

    // Attaches the view to manager; non-zero on success.
    int Init(int which, MapManager* manager);
    // Centres the view on centre; non-zero when the centre changed.
    int SetCentre(cmgbase::GeoPoint centre);
    // The monitor diagonal in inches, its aspect, and the screen size in pixels give the
    // view's pixel size for true-scale display.
    void SetMonitorGeometry(double diagonalInches, double aspectWidth, double aspectHeight,
                            int screenWidth, int screenHeight);

    uint32_t scale = 0;
    cmgbase::GeoPoint centre{};
    std::array<int32_t, 182> objectClassTable{};
    double rotation = 0.0;  // degrees

private:
    MapManager* manager_ = nullptr;
    double diagonalInches_ = 0.0;
    double aspectWidth_ = 4.0;
    double aspectHeight_ = 3.0;
    int screenWidth_ = 0;
    int screenHeight_ = 0;
};

// The main and the mini chart views (null while the engine is not started).
extern MapView* MainMapView;
extern MapView* MiniMapView;
