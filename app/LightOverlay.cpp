#include "app/LightOverlay.h"

#include "app/ChartCursor.h"
#include "app/OverlayArea.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartLayerItems.h"
#include "chart/LightFlashes.h"
#include "chart/LightLabels.h"
#include "sensors/OwnShipState.h"
#include "userdata/RouteTable.h"

#include <QPainter>

namespace {

constexpr int32_t HoverAbove = 20;   // px of the hover label's repaint area
constexpr int32_t HoverBelow = 25;
constexpr int32_t HoverBeyond = 15;  // px beyond the text

void DropMarkers(TForm1& form)
{
    form.chartMarkers.clear();
    HoverMarker = -1;
}

}  // namespace

ScreenPoint SectorReference(const TForm1& form)
{
    if (RouteEditMode == RouteDrawing || RouteEditMode == RouteEditing)
        return CursorPixel;
    if (OwnShip.positionKnown)
        return TickRequest.ownShipPixel;
    return {form.chartCentreX, form.chartCentreY};
}

void PaintChartLights(TForm1& form, QPainter& canvas)
{
    form.markerChanged = false;
    if (!LightLayersTicked(form) || form.chartLevel >= LightLevelLimit) {
        DropMarkers(form);
        return;
    }
    const bool characteristics = ChartLayerTicked(form, LightCharacteristicsItem);
    const bool flashing = ChartLayerTicked(form, FlashingLightsItem);
    const bool sectors = ChartLayerTicked(form, LightSectorsItem);
    UpdateSectorVisibility(form, SectorReference(form), sectors);
    const QRect view = form.MainChartBitmap.rect();
    for (size_t i = 0; i < form.chartMarkers.size(); ++i) {
        const ChartMarker& m = form.chartMarkers[i];
        const bool fixed = m.character == FixedLight;
        if (fixed && (flashing || sectors))
            DrawFlashElement(form, canvas, true, view, int32_t(i));
        else if (!flashing && sectors && (m.inSector || !HasSector(m)))
            DrawFlashElement(form, canvas, true, view, int32_t(i));
        if (!characteristics && flashing && m.periodClass >= NoRhythm && !fixed)
            DrawLightCharacteristic(form, canvas, false, int32_t(i));
    }
}

void PaintLightFlashes(TForm1& form, QPainter& canvas, bool full)
{
    if (full)
        UpdateSectorVisibility(form, SectorReference(form), ChartLayerTicked(form, LightSectorsItem));
    if (!form.markerChanged)
        return;
    // The dots stay in ChartWorkBitmap until the flash step erases them; this only puts back
    // those the restore of the last frame took away.
    const QRect view = form.ChartWorkBitmap.rect();
    for (size_t i = 0; i < form.chartMarkers.size(); ++i)
        if (form.chartMarkers[i].shown)
            DrawFlashElement(form, canvas, true, view, int32_t(i));
}

void DrawHoverLightLabel(TForm1& form, QPainter& canvas, int32_t marker)
{
    if (marker < 0 || size_t(marker) >= form.chartMarkers.size())
        return;
    const int32_t width = DrawLightCharacteristic(form, canvas, true, marker);
    const ChartMarker& m = form.chartMarkers[size_t(marker)];
    AddPaintedArea(m.x, int64_t(m.y) - HoverAbove, int64_t(m.x) + 8 + width + HoverBeyond, int64_t(m.y) + HoverBelow);
}

void UpdateLightFlashes(TForm1& form)
{
    UpdateLightFlashes(form, ChartLayerTicked(form, FlashingLightsItem));
}
