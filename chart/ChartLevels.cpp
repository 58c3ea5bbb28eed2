#include "chart/ChartLevels.h"

#include "chart/OverlayColours.h"

#include "chart/ChartHooks.h"
#include "chart/ChartRedraw.h"
#include "chart/ChartWindow.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/SelectedChartObject.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/PositionComputation.h"
#include "platform/system/TextCodec.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// 1:50000 and 1:500000 are drawn from the engine's 1:60000 and 1:600000, zoomed in.
constexpr double NativeScaleZoom = 0.8333;
constexpr int64_t MinimumScale = 1500;
constexpr int64_t MaximumScale = 100000000;

bool Down(const QAbstractButton* button) { return button && button->isChecked(); }

void ShowMapMessage(int32_t number)
{
    if (ChartHook.showMapMessage)
        ChartHook.showMapMessage(number, MapMessageExclamation);
}

void ScaleChanged()
{
    if (ChartHook.reapplyRadarRange)
        ChartHook.reapplyRadarRange();
}

int32_t LevelScale(int32_t level) { return static_cast<int32_t>(ChartLevelTable[level]); }

// The 3D view's automatic scale: twice the engine scale times the 3D scale factor over the
// height of the visible chart in nautical miles, held to the scales of the levels. Nothing while
// no redraw has given the visible chart a height.
std::optional<int64_t> ThreeDAutoScale(ChartWindow& window)
{
    if (!(window.threeDAutoScale > 0.0f))
        window.threeDAutoScale = 1.0f;
    const cmgbase::GeoPoint southWest{ViewGeoRect.x1, ViewGeoRect.y1};
    const cmgbase::GeoPoint northWest{ViewGeoRect.x1, ViewGeoRect.y2};
    float height = 0.0f;
    if (cmgbase::InvPosComputation_f(southWest, northWest, &height, nullptr, 0) != 0 || !(height > 0.0f))
        return std::nullopt;
    const double scale = 2.0 * window.mainScale * window.threeDAutoScale / height;
    return static_cast<int64_t>(std::clamp(scale, double(MinimumScale), double(MaximumScale)));
}

// The engine keeps drawing at the band's scale and the view is zoomed to the level's scale; at
// level 17 the whole earth is shown around the equator. A scale or zoom the view refuses leaves
// view and level as they were.
void ZoomBeyondBand(ChartWindow& window, int32_t previousLevel)
{
    MapView& view = *MainMapView;
    const int32_t level = window.chartLevel;
    const int32_t shown = LevelScale(level);
    const int32_t bandScale = LevelScale(window.bandLevel);
    const bool wholeEarth = level == MaxChartLevel;
    const int32_t engineScale = wholeEarth ? shown : bandScale;
    const double zoom = wholeEarth ? 1.0 : double(shown) / bandScale;

    const int32_t previousScale = view.scale;
    const cmgbase::GeoPoint previousCentre = view.centre;
    if (wholeEarth)
        view.SetCentre({view.centre.x, 0});
    int32_t refused = 0;
    if (view.scale != engineScale && !view.SetScale(engineScale))
        refused = 9;
    else if (!view.SetZoomFactors(zoom, zoom))
        refused = 8;
    if (refused) {
        ShowMapMessage(refused);
        view.SetScale(previousScale);
        view.SetCentre(previousCentre);
        window.chartLevel = previousLevel;
        return;
    }
    window.mainScale = shown;
    window.zoomFactor = zoom;
    window.controls.ZoomPanel->setText(platform::FromCp1252(ZoomCaption(level, shown)));
    ShowZoomPanelWarning(window, bandScale > shown);
    ScaleChanged();
    RedrawChart(window, true);
}

}  // namespace

int32_t LevelShowing(int64_t scale)
{
    for (int32_t level = 0; level < MaxMiniChartLevel; ++level)
        if (ChartLevelTable[level] >= scale)
            return level;
    return MaxMiniChartLevel;
}

std::string ScaleCaption(int64_t shownScale)
{
    switch (shownScale) {
    case 1000000: return "1:1M";
    case 3000000: return "1:3M";
    case 20000000: return "1:20M";
    case 100000000: return "1:100 M";
    default: return "1:" + std::to_string(shownScale);
    }
}

std::string ZoomCaption(int32_t level, int64_t shownScale)
{
    switch (level) {
    case 14: return "1:1 M";
    case 15: return "1:3 M";
    case 16: return "1:20 M";
    case 17: return "1:100 M";
    default: return "1:" + std::to_string(shownScale);
    }
}

void ShowZoomPanelWarning(ChartWindow& window, bool warning)
{
    window.zoomPanelWarning = warning;
    QLabel* panel = window.controls.ZoomPanel;
    if (!panel)
        return;
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window,
                     warning ? UserColour(7) : QApplication::palette().color(QPalette::Button));
    panel->setPalette(palette);
}

void UpdateScaleButtons(ChartWindow& window, int64_t shownScale, int64_t engineScale)
{
    ChartControls& c = window.controls;
    c.ZoomPanel->setText(platform::FromCp1252(ScaleCaption(shownScale)));
    // The finest band whose button is enabled and whose scale range holds the engine scale.
    constexpr struct {
        int64_t upTo;
        int32_t band;
    } BandRanges[] = {{5000, 7}, {15000, 6}, {50000, 5}, {150000, 4}, {500000, 3}, {1500000, 2}, {5000000, 1}};
    int32_t band = 0;
    for (const auto& range : BandRanges)
        if (engineScale <= range.upTo && c.bandButtons[range.band]->isEnabled()) {
            band = range.band;
            break;
        }
    for (int32_t b = 0; b < UsageBandCount; ++b)
        c.bandButtons[b]->setChecked(b == band);
    window.bandLevel = UsageBandLevels[band];
    ShowZoomPanelWarning(window, engineScale < ChartLevelTable[window.bandLevel]);
}

void SetChartLevel(ChartWindow& window)
{
    if (window.chartLevel < 0) {
        window.chartLevel = 0;
        return;
    }
    if (window.chartLevel > MaxChartLevel) {
        window.chartLevel = MaxChartLevel;
        return;
    }
    if (!MainMapView)
        return;
    MapView& view = *MainMapView;

    int64_t shown = ChartLevelTable[window.chartLevel];
    if (window.threeDViewMode && window.threeDRedrawPending && Down(window.controls.AutoBtn)) {
        window.threeDRedrawPending = false;
        if (const std::optional<int64_t> scale = ThreeDAutoScale(window)) {
            shown = *scale;
            window.chartLevel = LevelShowing(shown);
        }
    }
    if (window.zoomFactor == 1.0 && shown == window.mainScale)
        return;

    // The zoom is worked out once: 0.8333 where the engine draws 1.2 times the shown scale.
    const bool nativeZoomed = shown == 50000 || shown == 500000;
    const double zoom = nativeZoomed ? NativeScaleZoom : 1.0;
    window.mainScale = static_cast<int32_t>(nativeZoomed ? shown * 6 / 5 : shown);
    UpdateScaleButtons(window, shown, window.mainScale);
    if (view.zoomX != zoom || view.zoomY != zoom) {
        if (!view.SetZoomFactors(zoom, zoom))
            ShowMapMessage(8);
    }
    window.zoomFactor = view.zoomX;

    if (window.bandLevel != window.lastBandLevel) {
        window.lastBandLevel = window.bandLevel;
        for (SelectedChartObject& selected : SelectedChartObjects)
            selected.active = 0;
    }
    if (view.SetScale(window.mainScale)) {
        ScaleChanged();
        RedrawChart(window, true);
    } else {
        ShowMapMessage(9);
        // The view keeps the scale it has; the next choice of this level applies it again.
        window.mainScale = view.scale;
    }

    QAbstractButton* threeD = window.controls.Show3DBtn;
    if (window.chartLevel > ThreeDLevelLimit && Down(threeD)) {
        threeD->setChecked(false);
        if (ChartHook.closeThreeDView)
            ChartHook.closeThreeDView();
    }
}

void SetMiniChartLevel(ChartWindow& window)
{
    if (window.miniChartLevel < 0) {
        window.miniChartLevel = 0;
        return;
    }
    if (window.miniChartLevel > MaxMiniChartLevel) {
        window.miniChartLevel = MaxMiniChartLevel;
        return;
    }
    const int32_t scale = LevelScale(window.miniChartLevel);
    if (!MiniMapView || scale == window.miniScale)
        return;
    window.miniScale = scale;
    if (MiniMapView->SetScale(scale)) {
        RedrawMiniChart(window);
    } else {
        ShowMapMessage(10);
        window.miniScale = MiniMapView->scale;
    }
}

int32_t UpdateChartLevelButtons(ChartWindow& window, const cmgbase::GeoPoint& position)
{
    std::vector<int32_t> bands;
    int32_t count = 0;
    if (ChartEngine)
        ChartEngine->ChartLevelsAt(position, bands, count);
    std::array<bool, UsageBandCount> present{};
    int32_t last = 0;
    for (const int32_t band : bands) {
        if (band < 0 || band >= UsageBandCount)
            continue;
        present[band] = true;
        window.zoneLevel = UsageBandLevels[band];
        last = band;
    }
    for (int32_t band = 0; band < UsageBandCount; ++band)
        window.controls.bandButtons[band]->setEnabled(present[band]);
    return last;
}

void ZoomChartIn(ChartWindow& window)
{
    if (window.chartLevel <= 0 || !MainMapView)
        return;
    if (Down(window.controls.AutoBtn))
        window.ZoomPaintHold = 2;
    const int32_t previous = window.chartLevel;
    window.chartLevel = std::min(previous - 1, MaxChartLevel);
    if (window.bandLevel == window.zoneLevel || window.bandLevel == window.chartLevel)
        SetChartLevel(window);
    else
        ZoomBeyondBand(window, previous);
}

void ZoomChartOut(ChartWindow& window)
{
    if (window.chartLevel >= MaxChartLevel || !MainMapView)
        return;
    if (Down(window.controls.AutoBtn))
        window.ZoomPaintHold = 2;
    const int32_t previous = window.chartLevel;
    window.chartLevel = std::max(previous + 1, 0);
    if (window.chartLevel == window.bandLevel)
        SetChartLevel(window);
    else
        ZoomBeyondBand(window, previous);
}

void SelectUsageBand(ChartWindow& window, int32_t band)
{
    if (band < 0 || band >= UsageBandCount)
        return;
    // From the general band on, a band chosen while Auto is on is shown by the timers in one step.
    if (band >= 3 && Down(window.controls.AutoBtn))
        window.ZoomPaintHold = 2;
    window.chartLevel = UsageBandLevels[band];
    SetChartLevel(window);
    window.bandLevel = UsageBandLevels[band];
}

std::optional<int32_t> AutoZoneBand(ChartWindow& window, const cmgbase::GeoPoint& ownShip)
{
    // The coarsest level each band is taken from: never out to a coarser band, except the global
    // one, and the three finest bands only from 1:50000 or coarser.
    constexpr std::array<int32_t, UsageBandCount> TakenFrom{0, 15, 14, 12, 10, 8, 8, 8};
    const int32_t band = UpdateChartLevelButtons(window, ownShip);
    if (window.chartLevel < TakenFrom[band])
        return std::nullopt;
    return band;
}
