#include "chart/MapView.h"

#include "chart/MapManager.h"

MapView* MainMapView = nullptr;
MapView* MiniMapView = nullptr;

int MapView::Init(int, MapManager* manager)
{
    manager_ = manager;
    return 0;  // no chart engine to attach to in this build yet
}

int MapView::SetCentre(cmgbase::GeoPoint newCentre)
{
    if (newCentre.x == centre.x && newCentre.y == centre.y)
        return 0;
    centre = newCentre;
    return 1;
}

void MapView::SetMonitorGeometry(double diagonalInches, double aspectWidth, double aspectHeight,
                                 int screenWidth, int screenHeight)
{
    diagonalInches_ = diagonalInches;
    aspectWidth_ = aspectWidth;
    aspectHeight_ = aspectHeight;
    screenWidth_ = screenWidth;
    screenHeight_ = screenHeight;
}
