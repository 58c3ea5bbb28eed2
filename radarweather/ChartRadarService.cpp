#include "radarweather/ChartRadarService.h"

#include "chart/MapManager.h"
#include "frame/SharedTables.h"
#include "platform/chartengine/ChartRadar.h"
#include "sensors/TargetTable.h"

std::filesystem::path RadarRangeFile() { return ProgramFolder / "RPFiles" / "Rp.ini"; }

std::vector<cmgbase::GeoPoint> TargetPositions()
{
    std::vector<cmgbase::GeoPoint> positions;
    for (int i = 0; i < TargetCount; ++i)
        if (TargetTable[size_t(i)].id != -1)
            positions.push_back({TargetTable[size_t(i)].positionX, TargetTable[size_t(i)].positionY});
    return positions;
}

std::unique_ptr<chartengine::RadarService> MakeChartRadar(MapView&)
{
    // The views show the chart engine's current database.
    if (!ChartEngine || !ChartEngine->currentGeoDatabase)
        return nullptr;
    return std::make_unique<chartengine::ChartRadar>(ChartEngine->currentGeoDatabase, RadarRangeFile(), TargetPositions);
}

std::function<std::unique_ptr<chartengine::RadarService>(MapView& view)> ProgramRadarServiceMaker = MakeChartRadar;
