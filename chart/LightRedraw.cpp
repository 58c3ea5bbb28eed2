#include "chart/LightRedraw.h"

#include "chart/BorderGraduation.h"
#include "chart/ChartHooks.h"
#include "chart/ChartLayerItems.h"
#include "chart/ChartWindow.h"
#include "chart/LightFlashes.h"
#include "chart/LightLabels.h"
#include "chart/LightSectors.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "platform/chartengine/PortrayalSettings.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QPainter>
#include <QWidget>

namespace {

constexpr float LightAreaFactor = 2.0f;

bool LightsShown(const ChartWindow& window)
{
    const ChartControls& c = window.controls;
    return window.chartLevel < LightLevelLimit && !(c.rbBase && c.rbBase->isChecked());
}

bool NorthUp(const ChartWindow& window)
{
    return window.controls.DispMode && window.controls.DispMode->currentIndex() == 0;
}

// The chart drawn so far on the paint box, with the graduation when it is shown.
void ShowInterimPicture(ChartWindow& window)
{
    if (window.ZoomPaintHold > 0 || !window.controls.CM93 || window.MainChartBitmap.isNull())
        return;
    window.ChartWorkBitmap = window.MainChartBitmap;
    if (ChartLayerTicked(window, BorderGraduationItem) && NorthUp(window)) {
        QPainter canvas(&window.ChartWorkBitmap);
        canvas.setFont(window.overlayFont);
        DrawBorderGraduation(window, canvas);
    }
    window.controls.CM93->repaint();
}

void EvaluateLights(ChartWindow& window)
{
    window.markerChanged = false;
    if (LightLayersTicked(window) && LightsShown(window) && ChartEngine && MainMapView) {
        ShowInterimPicture(window);
        if (!EvaluateLightSectors(*ChartEngine, *MainMapView, window.chartMarkers, LightAreaFactor))
            window.chartMarkers.clear();
    } else {
        window.chartMarkers.clear();
    }
    if (ChartHook.lightMarkersRebuilt)
        ChartHook.lightMarkersRebuilt();
}

// Lights without a rhythm and without a sector are lit for good: they go into the chart picture,
// which the flash step's erasing copies back.
void BakeSteadyLights(ChartWindow& window, QPainter& canvas)
{
    if (!ChartLayerTicked(window, FlashingLightsItem) && !ChartLayerTicked(window, LightSectorsItem))
        return;
    const QRect view = window.MainChartBitmap.rect();
    for (size_t i = 0; i < window.chartMarkers.size(); ++i) {
        const ChartMarker& m = window.chartMarkers[i];
        if (m.periodClass >= NoRhythm && !HasSector(m))
            DrawFlashElement(window, canvas, true, view, int32_t(i));
    }
}

}  // namespace

void PrepareLightDescriptions(ChartWindow& window)
{
    if (!MainMapView)
        return;
    const bool written = LightsShown(window) && ChartLayerTicked(window, LightCharacteristicsItem);
    MainMapView->parameters.Set(chartengine::kLightDescriptionsHidden, int32_t(written ? 1 : 0));
}

void RedrawLights(ChartWindow& window)
{
    EvaluateLights(window);
    if (!LightsShown(window) || window.MainChartBitmap.isNull())
        return;
    QPainter canvas(&window.MainChartBitmap);
    canvas.setFont(window.overlayFont);
    BakeSteadyLights(window, canvas);
    DrawLightLabels(window, canvas, std::nullopt);
}
