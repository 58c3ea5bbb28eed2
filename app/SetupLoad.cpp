#include "app/SetupLoad.h"

#include "app/ExternalLibraries.h"
#include "app/TForm1.h"
#include "chart/ChartLevels.h"
#include "chart/MapView.h"
#include "frame/PickerDate.h"
#include "frame/PortSettings.h"
#include "frame/SetupField.h"
#include "frame/SharedTables.h"
#include "platform/system/FileReplace.h"
#include "sensors/OwnShipState.h"

#include <QDateEdit>

#include <algorithm>
#include <array>
#include <fstream>

std::function<void()> RestoreSystemColours;

namespace {

// A valid range of a settings field (every element of an array field) and the value that
// replaces anything outside it.
struct FieldRange {
    SetupField field;
    int32_t low;
    int32_t high;
    int32_t replacement;
};

#define SETUP_RANGE(name, low, high, replacement) FieldRange{SETUP_FIELD(name), low, high, replacement}

// Values read from a file that the controls and tables index with, and the values the record
// always starts a run with. Applied before the controls are set from the record.
constexpr std::array LoadRanges{
    SETUP_RANGE(TrackIndex, 0, TrackRingSize - 1, 0),
    SETUP_RANGE(PortBaud, 0, 4, 0),
    SETUP_RANGE(LoranChain, 0, 14, 0),
    SETUP_RANGE(DeccaChain, 0, 5, 0),
    SETUP_RANGE(DataChoice, 1, 1, 1),
    SETUP_RANGE(DataScope, 1, 1, 1),
    SETUP_RANGE(AisRangeIndex, 0, 7, 0),
    SETUP_RANGE(AisTrackIndex, 0, 12, 0),
    SETUP_RANGE(CpaTimeIndex, 0, 4, 0),
    SETUP_RANGE(LogInterval, 0, 6, 0),
    SETUP_RANGE(ThreeDData, 0, 2, 0),
    SETUP_RANGE(ThreeDPalette, 0, 3, 0),
    SETUP_RANGE(ThreeDContourChoice, 0, 5, 0),
    SETUP_RANGE(SymbolBar, 0, 49, 0),
    SETUP_RANGE(EtaZoneHours, -12, 12, 0),
};

// The clamps after the main INI file, whether a file was read or not.
constexpr std::array ClampRanges{
    SETUP_RANGE(MonitorSize, 10, 50, 17),
    SETUP_RANGE(Length, 1, INT16_MAX, 20),
    SETUP_RANGE(Beam, 1, INT16_MAX, 5),
    SETUP_RANGE(Resolution, 0, 12, 5),
    SETUP_RANGE(CurrentSymbol, 0, 49, 0),
    SETUP_RANGE(SymbolColour, 1, 6, 1),
    SETUP_RANGE(SymbolBarButton, 0, 16, 0),
    SETUP_RANGE(LineKind, 0, 3, 0),
    SETUP_RANGE(LineColour, 1, 6, 1),
    SETUP_RANGE(TrackColour, 1, 6, 1),
    SETUP_RANGE(DefaultRouteSpeed, 1, INT16_MAX, 100),
    SETUP_RANGE(DefaultLane, 0, INT16_MAX, 10),
    SETUP_RANGE(DefaultTurnRadius, 0, INT16_MAX, 20),
    SETUP_RANGE(DepthSaveChoice, 0, 0, 0),
    SETUP_RANGE(ThreeDDepthScale, 1, INT16_MAX, 5),
    SETUP_RANGE(ChartLevel, 0, MaxChartLevel, 0),
    SETUP_RANGE(MiniChartLevel, 0, MaxMiniChartLevel, 0),
};

#undef SETUP_RANGE

template <std::size_t N>
void Apply(const std::array<FieldRange, N>& ranges, SetupParametersRecord& record)
{
    for (const FieldRange& range : ranges) {
        for (int i = 0; i < range.field.count; ++i) {
            const int64_t value = range.field.read(record, i);
            if (value < range.low || value > range.high)
                range.field.write(record, range.replacement, i);
        }
    }
}

int16_t ClampedTo(int16_t value, int16_t high)
{
    return std::clamp<int16_t>(value, 0, high);
}

void SetDefaults(SetupParametersRecord& record)
{
    record = SetupParametersRecord{};
    record.Length = 20;
    record.Beam = 5;
    record.Draught = 3;
    record.DepthFactor = 1.0f;
    record.AlarmPort = NoAlarmPort;  // 0 would make COM1 the relay, and its input go unread
}

// Repairs what only a stored file can bring: a damaged address field and stored indexes.
void RepairLoaded(SetupParametersRecord& record)
{
    record.TcpAddress[15] = 0;
    record.TcpAddress[16] = 0;
    if (record.AlarmPort >= PortCount - 1 && record.AlarmPort != NoAlarmPort)
        record.AlarmPort = NoAlarmPort;
    Apply(LoadRanges, record);
}

bool ReadSetupFile(const std::filesystem::path& path, SetupParametersRecord& record)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    record = SetupParametersRecord{};
    in.read(reinterpret_cast<char*>(&record), sizeof record);
    return true;
}

// The chart centre goes into a track sample only while that sample is empty: a real sample
// (the oldest one of a wrapped ring) keeps its position.
void NoteChartCentre(TrackSample& sample, const cmgbase::GeoPoint& centre)
{
    if (!sample.empty())
        return;
    sample.chartX = centre.x;
    sample.chartY = centre.y;
}

void NoteTrackEnd(SetupParametersRecord& record)
{
    if (!MainMapView || record.TrackIndex < 0 || record.TrackIndex >= TrackRingSize)
        return;
    const cmgbase::GeoPoint centre = MainMapView->centre;
    if (record.TrackIndex > 0) {
        TrackSample& last = record.TrackRing[std::size_t(record.TrackIndex - 1)];
        if (last.chartY == 0)
            NoteChartCentre(last, centre);
    } else {
        NoteChartCentre(record.TrackRing[0], centre);
    }
}

// The 3D window as the 3D library last had it, kept on the screen.
void NoteThreeDWindow(SetupParametersRecord& record)
{
    if (ExternalEntryTable.tGetRec)
        ExternalEntryTable.tGetRec(&ThreeDExchange, int32_t(sizeof ThreeDExchange));
    const int32_t lastX = ThreeDExchange.windowX;
    const int32_t lastY = ThreeDExchange.windowY;
    const int32_t lastWidth = ThreeDExchange.windowWidth;
    const int32_t lastHeight = ThreeDExchange.windowHeight;
    const int x = std::min(std::max(lastX, 0), ScreenWidth - 300);
    const int y = std::min(std::max(lastY, 30), ScreenHeight - 230);
    const int width = std::min(std::max(lastWidth, 300), ScreenWidth - x - 10);
    const int height = std::min(std::max(lastHeight, 200), ScreenHeight - y - 10);
    record.ThreeDWindowX = int16_t(x);
    record.ThreeDWindowY = int16_t(y);
    record.ThreeDWindowWidth = int16_t(width);
    record.ThreeDWindowHeight = int16_t(height);
}

}  // namespace

std::filesystem::path SetupFilePath()
{
    return ProgramFolder / "dta.res";
}

std::filesystem::path ShippedSetupFilePath()
{
    return ProgramFolder / "Data" / "dta.res";
}

bool LoadSetupParameters()
{
    const std::filesystem::path path = SetupFilePath();
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored))
        std::filesystem::copy_file(ShippedSetupFilePath(), path, ignored);

    const std::lock_guard lock(ComOutStateLock);
    if (!ReadSetupFile(path, SetupParameters)) {
        SetDefaults(SetupParameters);
        return false;
    }
    SetupLoadMarker = 99;
    RepairLoaded(SetupParameters);
    OwnShip.referencePosition = ChartStartPosition(SetupParameters);
    return true;
}

cmgbase::GeoPoint ChartStartPosition(const SetupParametersRecord& record)
{
    const int index = record.TrackIndex;
    if (index > 0 && index < TrackRingSize)
        return record.TrackRing[std::size_t(index - 1)].chartPosition();
    const TrackSample& first = record.TrackRing.front();
    return first.empty() ? first.chartPosition() : record.TrackRing.back().chartPosition();
}

StartLevels ChartStartLevels(const SetupParametersRecord& record)
{
    constexpr int32_t globalLevel = UsageBandLevels[0];
    if (!record.ChartLevelsSaved)
        return {globalLevel, globalLevel};
    return {record.ChartLevel, record.MiniChartLevel};
}

void ClampSetupParameters()
{
    SetupParametersRecord& record = SetupParameters;
    Apply(ClampRanges, record);
    record.ConningBow = ClampedTo(record.ConningBow, record.Length);
    record.GpsBow = ClampedTo(record.GpsBow, record.Length);
    record.GpsStbd = ClampedTo(record.GpsStbd, record.Beam);
    const float depthFactor = record.DepthFactor;
    if (!(depthFactor >= 0.1f && depthFactor <= 10.0f))
        record.DepthFactor = 1.0f;
    if ((record.DataSetsShown & 0x3F) == 0)
        record.DataSetsShown = 1;
}

bool SaveSetupParameters(bool restoreColours)
{
    if (!StartupDone)
        return false;
    NoteTrackEnd(SetupParameters);
    NoteThreeDWindow(SetupParameters);
    if (Form1) {
        SetupParameters.ChartLevelsSaved = 1;
        SetupParameters.ChartLevel = uint8_t(Form1->chartLevel);
        SetupParameters.MiniChartLevel = uint8_t(Form1->miniChartLevel);
        SetupParameters.CopyFromDate = DaysFromDate(Form1->dtCopyFrom->date());
    }
    const std::string_view bytes(reinterpret_cast<const char*>(&SetupParameters), sizeof SetupParameters);
    const bool saved = platform::ReplaceFile(SetupFilePath(), bytes);
    if (restoreColours && RestoreSystemColours)
        RestoreSystemColours();
    return saved;
}
