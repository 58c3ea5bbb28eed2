#include "chart/MapManager.h"

MapManager* ChartEngine = nullptr;

int MapManager::Init(int)
{
    // No chart engine is installed in this build yet: the start-up takes its failure path.
    return 0;
}
