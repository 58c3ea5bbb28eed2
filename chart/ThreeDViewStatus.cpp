#include "chart/ThreeDViewStatus.h"

#include "chart/ChartHooks.h"
#include "chart/ChartWindow.h"
#include "chart/MapView.h"
#include "frame/DepthExportFile.h"
#include "frame/SetupParameters.h"
#include "sensors/OwnShipState.h"

#include <QAbstractButton>

#include <algorithm>
#include <limits>

namespace {

constexpr int32_t FlagsAlwaysSet = 0x40 | 0x80;
constexpr int32_t FlagAutoLevel = 0x100;
constexpr int32_t ApparentDepthStep = 150;
constexpr int32_t DisplayModeCount = 5;
// The contour colours 0 black, 1 grey, 2 white, 3 blue, 4 green, 5 brown as the 3D view numbers them.
constexpr std::array<int32_t, 6> ContourColours = {0, 16, 8, 6, 4, 3};

bool Down(const QAbstractButton* button) { return button && button->isChecked(); }

int32_t HeldToInt32(int64_t value)
{
    return static_cast<int32_t>(
        std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

void WriteSizes(const ChartWindow& window, ThreeDExchangeRecord& record)
{
    const ExportArea& area = ThreeDExportArea;
    const ExportPoint size =
        ExportCoordinates(area.origin(), area.longitudeFactor, {area.clip.x2, area.clip.y2});
    record.chartWidth = window.chartRect.right - window.chartRect.left;
    record.chartHeight = window.chartRect.bottom - window.chartRect.top;
    record.clipWidth = size.x;
    record.clipHeight = size.y;
}

void WriteSettings(const ChartWindow& window, ThreeDExchangeRecord& record)
{
    const SetupParametersRecord& s = SetupParameters;
    record.depthFrom = HeldToInt32(int64_t(s.ThreeDDepthFrom) * -100);
    record.depthTo = HeldToInt32(int64_t(s.ThreeDDepthTo) * -100);
    record.apparentDepth = s.ThreeDDepthScale * ApparentDepthStep;
    record.contourInterval = s.ThreeDContours ? s.ThreeDContourInterval * 100 : 0;
    record.palette = ThreeDPaletteWord(s.ThreeDPalette, std::clamp(window.DisplayModeIndex, 0, DisplayModeCount - 1));
    if (const int32_t choice = s.ThreeDContourChoice; choice >= 0 && choice < int32_t(ContourColours.size()))
        record.contourColour = ContourColours[size_t(choice)];
    record.relief = s.ThreeDRelief ? 1 : 0;
    record.flags |= FlagsAlwaysSet;
    if (Down(window.controls.AutoBtn))
        record.flags |= FlagAutoLevel;
    else
        record.flags &= ~FlagAutoLevel;
}

}  // namespace

std::array<int32_t, 4> ThreeDShipAndCentre(const ChartWindow& window)
{
    constexpr std::array<int32_t, 4> none = {-1, -1, -1, -1};
    ScreenPoint pixel;
    const WindowRect& chart = window.chartRect;
    if (!Down(window.controls.Show3DBtn) || !OwnShip.positionKnown || OwnShip.gpsQuality == 0 || !MainMapView ||
        !MainMapView->GeoToScreen(chart, OwnShip.referencePosition, pixel) || pixel.x < chart.left ||
        pixel.x >= chart.right || pixel.y < chart.top || pixel.y >= chart.bottom)
        return none;
    const ExportArea& area = ThreeDExportArea;
    const ExportPoint ship = ExportCoordinates(area.origin(), area.longitudeFactor, OwnShip.referencePosition);
    const ExportPoint centre = ExportCoordinates(area.origin(), area.longitudeFactor, MainMapView->centre);
    return {ship.x, ship.y, centre.x, centre.y};
}

void Sync3DViewStatus(ChartWindow& window, bool clipChanged, bool reset)
{
    const ThreeDExchangeEntries* e = ChartHook.threeDLibrary;
    if (!e || !e->threeDBound() || (e->tGetStatC() & StatCHeld) != 0)
        return;
    e->tPutStatC(e->tGetStatC() | StatCWriting);
    ThreeDExchangeRecord record{};
    e->tGetRec(&record, int32_t(sizeof record));
    record.updated = 1;
    if (clipChanged)
        WriteSizes(window, record);
    if (reset)
        std::fill(std::begin(record.resetFields), std::end(record.resetFields), 0);
    const std::array<int32_t, 4> positions = ThreeDShipAndCentre(window);
    std::copy(positions.begin(), positions.end(), std::begin(record.shipAndCentre));
    WriteSettings(window, record);
    e->tPutRec(&record, int32_t(sizeof record));
    // The 3D programs' protocol clears every bit from 0x10000 up with the writing bit.
    e->tPutStatC(e->tGetStatC() & 0xFFFE);
}
