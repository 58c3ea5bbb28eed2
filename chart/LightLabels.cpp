#include "chart/LightLabels.h"

#include "chart/ChartLayerItems.h"
#include "chart/ChartWindow.h"
#include "chart/MapManager.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayPrimitives.h"
#include "platform/system/TextCodec.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPalette>
#include <QPainter>

namespace {

QColor WindowColour() { return QApplication::palette().color(QPalette::Base); }

bool Matches(const std::optional<cmgbase::GeoPoint>& filter, const cmgbase::GeoPoint& position)
{
    return !filter || (filter->x == position.x && filter->y == position.y);
}

void DrawNames(ChartWindow& window, QPainter& canvas, const std::optional<cmgbase::GeoPoint>& filter)
{
    if (!ChartEngine || !MainMapView)
        return;
    const int height = canvas.fontMetrics().height();
    const size_t count = std::min<size_t>(size_t(std::max(ChartEngine->lightNameCount, 0)),
                                          std::min(ChartEngine->lightNames.size(), ChartEngine->lightNamePositions.size()));
    for (size_t i = 0; i < count; ++i) {
        const cmgbase::GeoPoint& position = ChartEngine->lightNamePositions[i];
        ScreenPoint pixel;
        if (!Matches(filter, position) || !MainMapView->GeoToScreen(window.chartRect, position, pixel))
            continue;
        DrawLabelBox(window, canvas, pixel.x + 8, ChartEngine->lightNames[i], WindowColour(), pixel.y - height + 1);
    }
}

void DrawCharacteristics(ChartWindow& window, QPainter& canvas, const std::optional<cmgbase::GeoPoint>& filter)
{
    const QRect view(0, 0, window.chartRect.right - window.chartRect.left, window.chartRect.bottom - window.chartRect.top);
    std::optional<int32_t> lastX;
    for (const ChartMarker& m : window.chartMarkers) {
        const bool inside = view.contains(m.x, m.y);
        const bool repeated = lastX == m.x;
        lastX = m.x;
        if (!inside || repeated || !Matches(filter, m.position))
            continue;
        DrawLabelBox(window, canvas, m.x + 8, LightLabelText(m), WindowColour(), m.y);
    }
}

}  // namespace

void DrawLightLabels(ChartWindow& window, QPainter& canvas, const std::optional<cmgbase::GeoPoint>& filter)
{
    const ChartControls& c = window.controls;
    if (window.chartLevel >= LightLevelLimit || (c.rbBase && c.rbBase->isChecked()))
        return;
    if (ChartLayerTicked(window, LightNamesItem) || filter)
        DrawNames(window, canvas, filter);
    if (ChartLayerTicked(window, LightCharacteristicsItem) || filter)
        DrawCharacteristics(window, canvas, filter);
}

int32_t DrawLightCharacteristic(ChartWindow& window, QPainter& canvas, bool highlighted, int32_t i)
{
    const ChartMarker& m = window.chartMarkers[size_t(i)];
    const std::string text = LightCharacteristicText(m);
    if (highlighted)
        return DrawLabelBox(window, canvas, m.x + 8, text, WindowColour(), m.y);
    const QString shown = platform::FromCp1252(text);
    canvas.setPen(WindowTextColour());
    const QFontMetrics metrics = canvas.fontMetrics();
    canvas.drawText(QPoint(m.x + 15, m.y - 6 + metrics.ascent()), shown);
    return metrics.horizontalAdvance(shown);
}
