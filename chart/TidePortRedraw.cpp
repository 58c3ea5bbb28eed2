#include "chart/TidePortRedraw.h"

#include "chart/ChartWindow.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"

#include <QAbstractButton>
#include <QPainter>

std::vector<TVisibleTidePort> VisibleTidePortList;

namespace {

constexpr int32_t TidePortLevelLimit = 16;
constexpr int32_t SmallDiamondLevel = 12;
constexpr int32_t TidePortColour = 5;  // magenta
constexpr int32_t TidePortPenWidth = 2;

void DrawDiamond(QPainter& painter, int32_t x, int32_t y, int32_t halfWidth, int32_t halfHeight)
{
    const QPoint corners[] = {{x - halfWidth, y}, {x, y + halfHeight}, {x + halfWidth, y}, {x, y - halfHeight},
                              {x - halfWidth, y}};
    painter.drawPolyline(corners, 5);
}

}  // namespace

void RedrawTidePorts(ChartWindow& window)
{
    const ChartControls& c = window.controls;
    const bool shown = window.chartLevel < TidePortLevelLimit && !(c.rbBase && c.rbBase->isChecked());
    VisibleTidePortList = shown && ChartEngine ? ChartEngine->VisibleTidePorts(MainMapView, window.chartRect)
                                               : std::vector<TVisibleTidePort>{};
    if (VisibleTidePortList.empty() || window.MainChartBitmap.isNull())
        return;
    QPainter painter(&window.MainChartBitmap);
    painter.setPen(OverlayPen(UserColour(TidePortColour), TidePortPenWidth));
    painter.setBrush(Qt::NoBrush);
    painter.setFont(window.overlayFont);
    const bool small = window.chartLevel >= SmallDiamondLevel;
    for (const TVisibleTidePort& port : VisibleTidePortList) {
        if (small) {
            DrawDiamond(painter, port.x, port.y, 4, 7);
            continue;
        }
        DrawDiamond(painter, port.x, port.y, 8, 12);
        const QFontMetrics metrics = painter.fontMetrics();
        painter.drawText(QRect(port.x - 3, port.y - 6, metrics.horizontalAdvance('T'), metrics.height()),
                         Qt::AlignLeft | Qt::AlignTop, QStringLiteral("T"));
    }
}
