#include "radarweather/RadarOverlayPainting.h"

#include "chart/ChartWindow.h"
#include "radarweather/RadarManager.h"
#include "radarweather/TRadar.h"

#include <QPainter>

void PaintRadarOverlay(ChartWindow& window)
{
    if (!RadarService || !Radar || window.RadarBitmap.isNull())
        return;
    window.RadarBitmap.fill(Qt::white);
    {
        // Device points: from the chart's centre pixel, y up. The painter lives for this paint only.
        QPainter painter(&window.RadarBitmap);
        painter.translate(window.chartCentreX, window.chartCentreY);
        painter.scale(1, -1);
        RadarService->Draw(painter);
    }
    Radar->ShowRadarBitmap(window.RadarBitmap);
}
