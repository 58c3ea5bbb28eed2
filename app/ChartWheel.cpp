// The wheel zooms the main chart one level a step. The zoom itself waits for the one-second tick
// (its chart-level count-down), so that the steps of about two seconds make one zoom; meanwhile
// a frame on the chart shows what a zoom in will show, and the scale read-out the coming scale.

#include "app/ChartCursor.h"
#include "app/DynamicOverlay.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "app/TickState.h"
#include "chart/ChartLevels.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayPrimitives.h"
#include "frame/SharedTables.h"

#include <QPainter>
#include <QToolButton>

#include <cmath>

namespace {

constexpr int32_t WheelZoomSeconds = 2;
constexpr int32_t FrameColour = 1;
constexpr int FrameWidth = 2;
constexpr int32_t WheelLevelLimit = 16;  // the wheel zooms out no further

// The part of the chart a zoom in to `scale` about the anchor will show, framed on the picture.
void DrawPreviewFrame(TForm1& f, const ScreenPoint& anchor, int64_t scale)
{
    const int width = f.ChartWorkBitmap.width();
    const int height = f.ChartWorkBitmap.height();
    if (width <= 0 || f.mainScale <= 0)
        return;
    const int64_t w = int64_t(std::trunc(f.CM93->width() * double(scale) / f.mainScale * 0.5));
    const int64_t h = w * height / width;
    QPainter canvas(&f.ChartWorkBitmap);
    canvas.setPen(OverlayPen(UserColour(FrameColour), FrameWidth));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawRect(QRectF(double(anchor.x - w), double(anchor.y - h), double(2 * w), double(2 * h)));
}

}  // namespace

void TForm1::FormMouseWheel(QObject*, Qt::KeyboardModifiers, int32_t delta, const QPoint&, bool& handled)
{
    handled = true;
    if (!StartupDone || !MainMapView)
        return;
    if (delta > 0 && chartLevel > 0)
        --chartLevel;
    else if (delta < 0 && chartLevel < WheelLevelLimit)
        ++chartLevel;
    else
        return;
    const int64_t scale = ChartLevelTable[size_t(chartLevel)];
    // Each step starts again from the picture as it is, without an earlier step's frame.
    if (!ChartBackBitmap.isNull() && ChartWorkBitmap.size() == ChartBackBitmap.size()) {
        ChartWorkBitmap = ChartBackBitmap;
        PaintDynamicOverlay(*this, false);
    }
    if (scale == mainScale) {
        // Back at the scale shown: nothing to zoom.
        Countdowns.chartLevelChange = 0;
    } else {
        const ScreenPoint anchor = AutoBtn->isChecked() ? TickRequest.ownShipPixel : CursorPixel;
        TickRequest.levelChangePoint = anchor;
        if (scale < mainScale)
            DrawPreviewFrame(*this, anchor, scale);
        Countdowns.chartLevelChange = WheelZoomSeconds;
    }
    CM93->update();
    UpdateScaleButtons(*this, scale, scale);
}
