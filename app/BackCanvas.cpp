#include "app/BackCanvas.h"

#include "chart/ChartWindow.h"
#include "chart/MapView.h"

BackCanvas::BackCanvas(ChartWindow& window) : QPainter(&window.ChartBackBitmap)
{
    setFont(window.overlayFont);
}

std::optional<ScreenPoint> MainViewPixel(const ChartWindow& window, const cmgbase::GeoPoint& position)
{
    ScreenPoint pixel{};
    if (!MainMapView || !MainMapView->GeoToScreen(window.chartRect, position, pixel))
        return std::nullopt;
    return pixel;
}
