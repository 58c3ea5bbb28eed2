#include "app/tools/ShippedSetup.h"

#include "chart/ChartLevels.h"
#include "frame/PortSettings.h"
#include "platform/geodesy/NormalisedCoordinates.h"

#include <numeric>

namespace {

// Chart-layer list items, numbered from 1 as the list shows them.
enum ChartLayerItem {
    Soundings = 1,
    IsolatedDangers,
    Names,
    ContourLabels,
    ShallowPattern,
    PaperChartSymbols,
    SymbolizedBoundaries,
    DataQuality,
    CablesAndPipelines,
    Seabed,
    HarbourFacilities,
    BorderGraduation,
    LightCharacteristics,
    LightNames,
    FlashingLights,
    LightSectors,
};

constexpr int32_t CoastalBand = 4;
constexpr int32_t OverviewBand = 2;
constexpr int32_t RmcSentence = 4;
constexpr int32_t AllColours = 0x3F;

void PlaceShip(SetupParametersRecord& r)
{
    r.Length = 20;
    r.Beam = 5;
    r.Draught = 3;
    r.Height = 8;
    r.ConningBow = 6;
    r.ConningHeight = 5;
    r.GpsBow = 10;
    r.GpsStbd = 2;
    r.DepthBow = 10;
    r.RadarBow = 6;
    r.RadarStbd = 2;
}

// No port is active until the user chooses one; the TCP connection is ready for a local
// multiplexer on the NMEA port.
void SetPorts(SetupParametersRecord& r)
{
    r.OutputSentences = RmcSentence;
    r.AlarmPort = NoAlarmPort;
    SetTcpAddress(r, "127.0.0.1");
    r.TcpPort = 10110;
}

void SetChart(SetupParametersRecord& r)
{
    r.MonitorSize = 17;
    r.DepthFactor = 1.0f;
    r.ShallowContour = 2;  // up-down position: 2 m
    r.ShallowContourDepth = 2;
    r.SafetyContour = 5;
    r.DeepContour = 2;  // up-down position: 20 m
    r.DeepContourDepth = 20;
    r.LookAheadTime = 6;
    r.LookAheadSector = 15;
    r.Resolution = 5;
    r.DisplayMode = 0;  // S-52 presentation
    for (ChartLayerItem item : {Soundings, IsolatedDangers, Names, ContourLabels, PaperChartSymbols,
                                SymbolizedBoundaries, CablesAndPipelines, Seabed, HarbourFacilities,
                                BorderGraduation, LightCharacteristics, FlashingLights, LightSectors})
        r.ChartLayers[item - 1] = 1;

    r.ChartLevelsSaved = 1;
    r.ChartLevel = uint8_t(UsageBandLevels[CoastalBand]);
    r.MiniChartLevel = uint8_t(UsageBandLevels[OverviewBand]);

    // The start position as a save notes the chart centre: in the empty first sample of the ring.
    r.TrackIndex = 0;
    r.TrackRing[0].chartX = cmgbase::deg2nrm(ShippedStartLongitude);
    r.TrackRing[0].chartY = cmgbase::deg2nrm(ShippedStartLatitude);
}

void SetBoat(SetupParametersRecord& r)
{
    r.BoatOffset = 5;
    r.BoatSensitivity = 5;
    r.BoatVector = 6;
    r.VectorInMinutes = 1;
    r.TrackConversionTolerance = 5;
    r.ShowLane = 1;
    r.WaypointLane = 10;
    r.WaypointRadius = 20;
    r.TrackMode = 1;
    r.SelectedTrackStyle = 1;
    r.TrackColour = 1;
    r.TrackNamesShown = 1;
}

void SetTargets(SetupParametersRecord& r)
{
    r.AisRangeIndex = 3;  // "20 Nm"
    r.AisRange = 20;
    r.AisTrackIndex = 2;  // "12 min."
    r.AisTrackPoints = 12;
    r.AisTrackInterval = 0;
    r.AisTracks = 1;
    r.AisNames = 1;
    r.CpaDistance = 10;  // 1 nautical mile
    r.CpaTimeIndex = 2;  // "12 min."
    r.CpaTime = 12;
    r.CpaShown = 1;
    r.AisWarnings = 1;
    r.AisMessages = 1;
}

void SetAlarms(SetupParametersRecord& r)
{
    r.AlarmGps = 1;
    r.AlarmWp = 1;
    r.AlarmXte = 1;
    r.AlarmSafety = 1;
    r.AlarmWarning = 1;
    r.AntigroundingMinSpeed = 1;
}

void SetThreeD(SetupParametersRecord& r)
{
    r.ThreeDToPosition = 101;  // "auto"
    r.ThreeDContours = 1;
    r.ThreeDContourPosition = 4;
    r.ThreeDContourInterval = 10;
    r.ThreeDRelief = 1;
    r.ThreeDDepthScale = 5;
    r.ThreeDDotSize = 10;
    r.ThreeDWindowX = 0;
    r.ThreeDWindowY = 30;
    r.ThreeDWindowWidth = 640;
    r.ThreeDWindowHeight = 480;
}

void SetDataAndTools(SetupParametersRecord& r)
{
    r.DataSetsShown = 1;  // data set A in use
    r.DataChoice = 1;
    r.DataScope = 1;
    r.SymbolFilterColours = AllColours;
    r.TrackFilterColours = AllColours;
    r.FilterSymbols = 1;  // stored symbols and lines shown (the symbol dialog keeps one of them on)
    r.FilterLines = 1;
    std::iota(std::begin(r.SymbolBar), std::end(r.SymbolBar), uint8_t(0));
    r.SymbolColour = 1;
    r.LineColour = 1;
    r.DefaultRouteSpeed = 100;  // 10 knots
    r.DefaultLane = 10;
    r.DefaultTurnRadius = 20;
    r.RouteLegs = 1;
    r.Hints = 1;
    r.RadarGain = 50;
    r.RadarAlpha = 12;
}

}  // namespace

SetupParametersRecord ShippedSetupRecord()
{
    SetupParametersRecord record{};
    PlaceShip(record);
    SetPorts(record);
    SetChart(record);
    SetBoat(record);
    SetTargets(record);
    SetAlarms(record);
    SetThreeD(record);
    SetDataAndTools(record);
    return record;
}
