#pragma once
// The settings record: the recent own track and every setting of the tool dialog, the set-up
// dialogs and the tool bars. It is the memory image of dta.res (18,586 bytes, little-endian, no
// header), so the layout is packed and every offset is checked. Spare bytes are kept as read and
// written back unchanged. Use the fields by value: a reference or pointer to a multi-byte field
// may be misaligned.
//
// Settings that had no place in the record live in the spare block after the chart layers, so the
// file keeps its size and older files load (zero there reads as the default):
//
//   offset  width   field
//   18268   int16   WheelOverDistance   0.01 nautical miles; negative = no wheel-over mark
//   18270   uint8   ThickRoute          routes drawn 2 pixels wide
//   18271   uint8   WheelOverShown      wheel-over marks drawn
//   18272   int16   HighlightSize       size of the highlight drawn around a picked object
//   18274   uint16  PersonsOnBoard      own voyage data sent with the AIS voyage sentence
//   18276   uint8   ChartLevelsSaved    1: the two levels below were saved; 0: start at the global level
//   18277   uint8   ChartLevel          main chart level 0..17
//   18278   uint8   MiniChartLevel      mini chart level 0..16
//   18279   3       spare
//
// Other settings that the chart, sensor and route code name are fields already here: the text
// size is Resolution, the lane display flag ShowLane, the track mode TrackMode (the first of the
// track dialog's bytes), the depth recording mode DepthSaveChoice, the foul-area depth
// ThreeDDotSize, the TCPA limit CpaTime, the antigrounding and area alarms AlarmSafety and
// AlarmWarning, the radar brightness RadarAlpha.

#include "frame/TrackSample.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <type_traits>

#pragma pack(push, 1)
struct SetupParametersRecord {
    TrackRingBuffer TrackRing;
    int32_t TrackIndex;           // ring slot the next sample takes, 0..499
    float TrackLength;            // 0.1 nautical miles

    // Ports: COM1..COM12, then the TCP connection.
    uint8_t PortActive[13];
    uint8_t Spare18021[7];
    uint8_t PortBaud[13];         // 0 "4800", 1 "9600", 2 "38400", 3 "9600" alarm relay, 4 "19200"
    uint8_t Spare18041[7];
    int32_t OutputSentences;      // 1 APB, 2 RMB, 4 RMC, 8 WPL and RTE
    uint8_t Spare18052[136];
    uint8_t AutomaticRte;         // send the route sentences on request
    uint8_t AlarmPort;            // COM port index carrying the alarm relay, 255 none

    // Own ship, metres.
    int16_t Length;
    int16_t Beam;
    int16_t Draught;
    int16_t Height;
    int16_t ConningBow;
    uint8_t Spare18200[2];
    int16_t GpsBow;
    int16_t GpsStbd;
    uint8_t Spare18206[4];
    int16_t DepthBow;
    int16_t DepthSurf;
    int16_t RadarBow;
    int16_t RadarStbd;
    uint8_t Spare18218[4];
    uint8_t AutoGyro;
    uint8_t Spare18223;

    // "Setup" and "Target" pages.
    int16_t MonitorSize;          // screen diagonal in inches, 10..50
    int32_t LanguageIndex;
    int32_t ArpaOwnSetting;
    int16_t AisRange;             // nautical miles; 9999 no limit
    int16_t CpaDistance;          // 0.1 nautical miles
    uint8_t AisNames;
    uint8_t RouteLegs;
    uint8_t Hints;
    uint8_t AlarmGps;
    uint8_t AlarmWp;
    uint8_t AlarmXte;
    uint8_t AlarmSafety;          // antigrounding alarm
    uint8_t AlarmWarning;         // area alarm
    uint8_t LoranPosition;
    uint8_t Spare18247;
    int32_t LoranChain;           // 0..14
    uint8_t ChartLayers[16];      // check states of the chart layer list; 12..15 the lights

    int16_t WheelOverDistance;
    uint8_t ThickRoute;
    uint8_t WheelOverShown;
    int16_t HighlightSize;
    uint16_t PersonsOnBoard;
    uint8_t ChartLevelsSaved;
    uint8_t ChartLevel;
    uint8_t MiniChartLevel;
    uint8_t Spare18279[3];

    // "Chart" page.
    float DepthFactor;            // 1.0 metres, 3.2808 feet, 0.5468 fathoms
    int16_t ShallowContour;       // position of the shallow contour up-down
    int32_t ShallowContourDepth;  // its depth for the chart engine, metres
    int16_t SafetyContour;        // metres in any depth unit: drawn, and the area checks' depth
    int16_t LookAheadTime;        // minutes
    int16_t DeepContour;
    int32_t DeepContourDepth;     // metres
    int16_t LookAheadSector;      // degrees either side of the course
    int16_t Resolution;           // 0..12; also the text size of the chart labels

    // "Boat" page.
    int32_t BoatOffset;
    int32_t BoatSensitivity;
    int16_t BoatVector;           // 0.1 nautical miles, or minutes
    uint8_t VectorInMinutes;
    uint8_t TrackToRoute;
    int16_t TrackConversionTolerance;
    uint8_t ShowLane;
    uint8_t Spare18321;
    int16_t WaypointLane;         // 0.01 nautical miles
    int16_t WaypointRadius;       // 0.01 nautical miles
    int16_t MagneticVariation;    // 0.1 degrees, west positive, -500..500

    // "2D/3D" page.
    int16_t ThreeDData;           // 0 chart, 1 soundings, 2 both
    int16_t ThreeDPalette;        // 0..3
    int32_t ThreeDDepthFrom;      // 0 "auto"
    int16_t ThreeDFromPosition;
    int32_t ThreeDDepthTo;
    int16_t ThreeDToPosition;
    uint8_t ThreeDContours;
    uint8_t Spare18345;
    int16_t ThreeDContourInterval;
    int16_t ThreeDContourPosition;
    int32_t ThreeDContourChoice;  // 0..5
    uint8_t ThreeDRelief;
    uint8_t ThreeDMarks;
    int16_t ThreeDDepthScale;
    int16_t ThreeDTide;           // 0.1
    uint8_t ThreeDDotSize;        // 5, 10 or 20: also the foul-area depth
    uint8_t Spare18361;

    // "Data" and "Log" pages.
    int32_t DataSetsShown;        // bits 0..5 = data sets A..F
    int32_t DataSetsExchanged;
    int32_t DataChoice;
    int32_t DataScope;            // 1 all, 2 shown, 4 area
    uint8_t PositionLogOn;
    uint8_t Spare18379;
    int32_t LogInterval;          // item of the log interval list, 0..6

    // Symbol dialog and symbol and line bars.
    int32_t SymbolFilterColours;
    double SymbolFilterFrom;      // days since 30 December 1899
    double SymbolFilterTo;
    double SymbolFilterAfter;
    uint8_t FilterSymbols;
    uint8_t FilterLines;
    uint8_t SymbolBarButton;      // 0..16
    uint8_t SymbolBar[17];        // image index 0..49 of symbol buttons 5..21
    uint8_t CurrentSymbol;        // symbol code 0..49 (SymbolCodeTable)
    uint8_t SymbolColour;         // 1..6
    uint8_t LineKind;             // 0..3
    uint8_t LineColour;           // 1..6

    // Track dialog.
    int32_t TrackFilterColours;
    double TrackFilterFrom;
    double TrackFilterTo;
    double TrackFilterAfter;
    uint8_t TrackFlagsShown;
    uint8_t TrackDatesShown;
    uint8_t TrackNamesShown;
    uint8_t TrackMode;            // current track: 0 off, 1 thin, 2 with depths, 3 wide
    uint8_t SelectedTrackStyle;   // single saved track: 1 thin, 2 with depths, 3 wide
    uint8_t LostTargetShown;
    uint8_t TrackColour;          // 1..6

    uint8_t DisplayMode;          // 0: S52 presentation
    int32_t DepthSaveChoice;      // depth recording mode 0..3, off at every start
    int16_t ThreeDWindowX;
    int16_t ThreeDWindowY;
    int16_t ThreeDWindowWidth;
    int16_t ThreeDWindowHeight;

    // Routes.
    int16_t CalcFrom;
    int16_t CalcTo;
    int16_t DefaultRouteSpeed;    // 0.1 knots
    int16_t DefaultLane;          // 0.01 nautical miles
    int16_t DefaultTurnRadius;    // 0.01 nautical miles
    uint8_t RouteChangesTemporary;
    uint8_t Spare18495;
    int16_t EtaZoneHours;         // -12..12
    uint8_t EtaPanelMode;
    uint8_t Spare18499;

    // Radar overlay.
    int32_t RadarAlpha;
    int32_t RadarSea;
    int32_t RadarRain;
    int32_t RadarGain;

    int16_t AntigroundingMinSpeed;  // knots
    uint8_t DeccaPosition;
    uint8_t Spare18519;
    int32_t DeccaChain;           // 0..5
    int16_t DeccaRedCorrection;   // 0.01 lanes
    int16_t DeccaGreenCorrection;
    int16_t DeccaPurpleCorrection;
    uint8_t TrueRadar;
    uint8_t Spare18531;
    double CopyFromDate;

    // Targets.
    int16_t AisRangeIndex;        // 0..7; 7 "no limit"
    int16_t AisTrackPoints;
    int16_t AisTrackIndex;        // 0..12
    uint8_t AisTracks;
    uint8_t CpaShown;
    int16_t CpaTime;              // minutes; also the TCPA limit
    int16_t CpaTimeIndex;         // 0..4
    int16_t AisTrackInterval;     // minutes
    uint8_t ScreenKeyboard;

    char TcpAddress[17];          // at most 15 characters, NUL-terminated; see TcpAddressText
    int32_t TcpPort;
    uint32_t Mmsi;
    int16_t ConningHeight;
    uint8_t AisWarnings;
    uint8_t AisMessages;
    uint8_t AltNightColours;
    uint8_t SymbolDatesShown;
};
#pragma pack(pop)

static_assert(std::is_trivially_copyable_v<SetupParametersRecord>);
static_assert(std::is_standard_layout_v<SetupParametersRecord>);
static_assert(sizeof(SetupParametersRecord) == 18586);

#define SETUP_OFFSET(field, offset) \
    static_assert(offsetof(SetupParametersRecord, field) == (offset), #field)
SETUP_OFFSET(TrackIndex, 18000);
SETUP_OFFSET(TrackLength, 18004);
SETUP_OFFSET(PortActive, 18008);
SETUP_OFFSET(PortBaud, 18028);
SETUP_OFFSET(OutputSentences, 18048);
SETUP_OFFSET(AutomaticRte, 18188);
SETUP_OFFSET(AlarmPort, 18189);
SETUP_OFFSET(Length, 18190);
SETUP_OFFSET(Beam, 18192);
SETUP_OFFSET(Draught, 18194);
SETUP_OFFSET(Height, 18196);
SETUP_OFFSET(ConningBow, 18198);
SETUP_OFFSET(GpsBow, 18202);
SETUP_OFFSET(GpsStbd, 18204);
SETUP_OFFSET(DepthBow, 18210);
SETUP_OFFSET(DepthSurf, 18212);
SETUP_OFFSET(RadarBow, 18214);
SETUP_OFFSET(RadarStbd, 18216);
SETUP_OFFSET(AutoGyro, 18222);
SETUP_OFFSET(MonitorSize, 18224);
SETUP_OFFSET(LanguageIndex, 18226);
SETUP_OFFSET(ArpaOwnSetting, 18230);
SETUP_OFFSET(AisRange, 18234);
SETUP_OFFSET(CpaDistance, 18236);
SETUP_OFFSET(AisNames, 18238);
SETUP_OFFSET(RouteLegs, 18239);
SETUP_OFFSET(Hints, 18240);
SETUP_OFFSET(AlarmGps, 18241);
SETUP_OFFSET(AlarmSafety, 18244);
SETUP_OFFSET(AlarmWarning, 18245);
SETUP_OFFSET(LoranPosition, 18246);
SETUP_OFFSET(LoranChain, 18248);
SETUP_OFFSET(ChartLayers, 18252);
SETUP_OFFSET(WheelOverDistance, 18268);
SETUP_OFFSET(ThickRoute, 18270);
SETUP_OFFSET(WheelOverShown, 18271);
SETUP_OFFSET(HighlightSize, 18272);
SETUP_OFFSET(PersonsOnBoard, 18274);
SETUP_OFFSET(ChartLevelsSaved, 18276);
SETUP_OFFSET(ChartLevel, 18277);
SETUP_OFFSET(MiniChartLevel, 18278);
SETUP_OFFSET(DepthFactor, 18282);
SETUP_OFFSET(ShallowContour, 18286);
SETUP_OFFSET(ShallowContourDepth, 18288);
SETUP_OFFSET(SafetyContour, 18292);
SETUP_OFFSET(LookAheadTime, 18294);
SETUP_OFFSET(DeepContour, 18296);
SETUP_OFFSET(DeepContourDepth, 18298);
SETUP_OFFSET(LookAheadSector, 18302);
SETUP_OFFSET(Resolution, 18304);
SETUP_OFFSET(BoatOffset, 18306);
SETUP_OFFSET(BoatSensitivity, 18310);
SETUP_OFFSET(BoatVector, 18314);
SETUP_OFFSET(VectorInMinutes, 18316);
SETUP_OFFSET(TrackToRoute, 18317);
SETUP_OFFSET(TrackConversionTolerance, 18318);
SETUP_OFFSET(ShowLane, 18320);
SETUP_OFFSET(WaypointLane, 18322);
SETUP_OFFSET(WaypointRadius, 18324);
SETUP_OFFSET(MagneticVariation, 18326);
SETUP_OFFSET(ThreeDData, 18328);
SETUP_OFFSET(ThreeDPalette, 18330);
SETUP_OFFSET(ThreeDDepthFrom, 18332);
SETUP_OFFSET(ThreeDFromPosition, 18336);
SETUP_OFFSET(ThreeDDepthTo, 18338);
SETUP_OFFSET(ThreeDToPosition, 18342);
SETUP_OFFSET(ThreeDContours, 18344);
SETUP_OFFSET(ThreeDContourInterval, 18346);
SETUP_OFFSET(ThreeDContourPosition, 18348);
SETUP_OFFSET(ThreeDContourChoice, 18350);
SETUP_OFFSET(ThreeDRelief, 18354);
SETUP_OFFSET(ThreeDMarks, 18355);
SETUP_OFFSET(ThreeDDepthScale, 18356);
SETUP_OFFSET(ThreeDTide, 18358);
SETUP_OFFSET(ThreeDDotSize, 18360);
SETUP_OFFSET(DataSetsShown, 18362);
SETUP_OFFSET(DataSetsExchanged, 18366);
SETUP_OFFSET(DataChoice, 18370);
SETUP_OFFSET(DataScope, 18374);
SETUP_OFFSET(PositionLogOn, 18378);
SETUP_OFFSET(LogInterval, 18380);
SETUP_OFFSET(SymbolFilterColours, 18384);
SETUP_OFFSET(SymbolFilterFrom, 18388);
SETUP_OFFSET(SymbolFilterTo, 18396);
SETUP_OFFSET(SymbolFilterAfter, 18404);
SETUP_OFFSET(FilterSymbols, 18412);
SETUP_OFFSET(FilterLines, 18413);
SETUP_OFFSET(SymbolBarButton, 18414);
SETUP_OFFSET(SymbolBar, 18415);
SETUP_OFFSET(CurrentSymbol, 18432);
SETUP_OFFSET(SymbolColour, 18433);
SETUP_OFFSET(LineKind, 18434);
SETUP_OFFSET(LineColour, 18435);
SETUP_OFFSET(TrackFilterColours, 18436);
SETUP_OFFSET(TrackFilterFrom, 18440);
SETUP_OFFSET(TrackFilterTo, 18448);
SETUP_OFFSET(TrackFilterAfter, 18456);
SETUP_OFFSET(TrackFlagsShown, 18464);
SETUP_OFFSET(TrackDatesShown, 18465);
SETUP_OFFSET(TrackNamesShown, 18466);
SETUP_OFFSET(TrackMode, 18467);
SETUP_OFFSET(TrackColour, 18470);
SETUP_OFFSET(DisplayMode, 18471);
SETUP_OFFSET(DepthSaveChoice, 18472);
SETUP_OFFSET(ThreeDWindowX, 18476);
SETUP_OFFSET(ThreeDWindowY, 18478);
SETUP_OFFSET(ThreeDWindowWidth, 18480);
SETUP_OFFSET(ThreeDWindowHeight, 18482);
SETUP_OFFSET(CalcFrom, 18484);
SETUP_OFFSET(CalcTo, 18486);
SETUP_OFFSET(DefaultRouteSpeed, 18488);
SETUP_OFFSET(DefaultLane, 18490);
SETUP_OFFSET(DefaultTurnRadius, 18492);
SETUP_OFFSET(RouteChangesTemporary, 18494);
SETUP_OFFSET(EtaZoneHours, 18496);
SETUP_OFFSET(EtaPanelMode, 18498);
SETUP_OFFSET(RadarAlpha, 18500);
SETUP_OFFSET(RadarSea, 18504);
SETUP_OFFSET(RadarRain, 18508);
SETUP_OFFSET(RadarGain, 18512);
SETUP_OFFSET(AntigroundingMinSpeed, 18516);
SETUP_OFFSET(DeccaPosition, 18518);
SETUP_OFFSET(DeccaChain, 18520);
SETUP_OFFSET(DeccaRedCorrection, 18524);
SETUP_OFFSET(DeccaGreenCorrection, 18526);
SETUP_OFFSET(DeccaPurpleCorrection, 18528);
SETUP_OFFSET(TrueRadar, 18530);
SETUP_OFFSET(CopyFromDate, 18532);
SETUP_OFFSET(AisRangeIndex, 18540);
SETUP_OFFSET(AisTrackPoints, 18542);
SETUP_OFFSET(AisTrackIndex, 18544);
SETUP_OFFSET(AisTracks, 18546);
SETUP_OFFSET(CpaShown, 18547);
SETUP_OFFSET(CpaTime, 18548);
SETUP_OFFSET(CpaTimeIndex, 18550);
SETUP_OFFSET(AisTrackInterval, 18552);
SETUP_OFFSET(ScreenKeyboard, 18554);
SETUP_OFFSET(TcpAddress, 18555);
SETUP_OFFSET(TcpPort, 18572);
SETUP_OFFSET(Mmsi, 18576);
SETUP_OFFSET(ConningHeight, 18580);
SETUP_OFFSET(AisWarnings, 18582);
SETUP_OFFSET(AisMessages, 18583);
SETUP_OFFSET(AltNightColours, 18584);
SETUP_OFFSET(SymbolDatesShown, 18585);
#undef SETUP_OFFSET

// The one settings record of the program, zero until it is loaded.
extern SetupParametersRecord SetupParameters;

// The TCP address as text: at most 15 characters, whatever the stored bytes hold.
constexpr std::size_t TcpAddressMaxLength = 15;
std::string TcpAddressText(const SetupParametersRecord& record);
// Stores the first 15 characters of address and clears the rest of the field.
void SetTcpAddress(SetupParametersRecord& record, const std::string& address);

// The AIS range in nautical miles (9999 no limit): the stored one, or for a record that holds
// none (a record made from defaults) the range of the chosen cmbAisRange item ("5 Nm" .. "50 Nm",
// "no limit").
int32_t AisRangeMiles(const SetupParametersRecord& record);
