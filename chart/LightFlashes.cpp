#include "chart/LightFlashes.h"

#include "chart/ChartMarker.h"
#include "chart/ChartWindow.h"
#include "chart/OverlayColours.h"
#include "frame/PhaseCounters.h"

#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

constexpr int32_t NarrowSector = 201;  // tenths of a degree
constexpr int32_t WideSector = 3399;
constexpr int32_t DotPen = 6;

QRect DotSquare(const ChartMarker& m) { return QRect(QPoint(m.x - 7, m.y - 8), QPoint(m.x + 8, m.y + 7)); }

}  // namespace

int32_t BearingToReference(const ChartMarker& marker, const ScreenPoint& reference, float rotation)
{
    const double dx = double(reference.x) - marker.x;
    const double up = double(marker.y) - reference.y;
    const double degrees = std::atan2(dx, up) * 180.0 / std::numbers::pi + rotation;
    int32_t tenths = static_cast<int32_t>(std::fmod(degrees, 360.0) * 10.0);
    if (tenths < 0)
        tenths += 3600;
    return tenths >= 3600 ? tenths - 3600 : tenths;
}

bool BearingInSector(int32_t bearing, int32_t start, int32_t end)
{
    if (end < start) {
        end += 3600;
        if (bearing < start)
            bearing += 3600;
    }
    return start <= bearing && bearing < end;
}

void UpdateSectorVisibility(ChartWindow& window, const ScreenPoint& reference, bool sectorLayer)
{
    for (ChartMarker& m : window.chartMarkers) {
        const bool inside = HasSector(m) &&
                            BearingInSector(BearingToReference(m, reference, window.viewRotation), m.sectorStart, m.sectorEnd);
        if (inside == (m.inSector != 0))
            continue;
        m.inSector = inside ? 1 : 0;
        const int32_t width = std::abs(m.sectorStart - m.sectorEnd);
        if (sectorLayer && m.colour == WhiteLight && (width < NarrowSector || width > WideSector))
            window.chartRedrawRequest = true;
    }
}

QRect DrawFlashElement(ChartWindow& window, QPainter& canvas, bool draw, const QRect& rect, int32_t i)
{
    ChartMarker& m = window.chartMarkers[size_t(i)];
    if (m.x < rect.left() || m.x > rect.right() || m.y < rect.top() || m.y > rect.bottom())
        return {};
    const QRect square = DotSquare(m);
    if (draw) {
        const QColor colour = UserColour(m.colour);
        canvas.setPen(OverlayPen(colour, DotPen));
        canvas.setBrush(colour);
        canvas.drawEllipse(QRect(QPoint(m.x - 4, m.y - 5), QPoint(m.x + 5, m.y + 4)));
    } else {
        canvas.drawImage(square.topLeft(), window.ChartBackBitmap, square);
    }
    m.shown = draw ? 1 : 0;
    return square;
}

void UpdateLightFlashes(ChartWindow& window, bool flashing)
{
    if (window.chartMarkers.empty() || window.ZoomPaintHold > 0 || window.ChartWorkBitmap.isNull() ||
        window.ChartBackBitmap.size() != window.ChartWorkBitmap.size())
        return;
    const QRect view = window.ChartWorkBitmap.rect();
    QRegion changed;
    {
        QPainter canvas(&window.ChartWorkBitmap);
        for (size_t i = 0; i < window.chartMarkers.size(); ++i) {
            const ChartMarker& m = window.chartMarkers[i];
            if (m.periodClass >= NoRhythm)
                continue;
            const bool seen = m.inSector || !HasSector(m);
            const bool on = seen && (!flashing || RhythmLit(m.periodClass, m.rhythmMask, PhaseCounters[m.periodClass]));
            if (on != (m.shown != 0))
                changed += DrawFlashElement(window, canvas, on, view, int32_t(i));
        }
    }
    if (!changed.isEmpty() && window.controls.CM93)
        window.controls.CM93->update(changed);
    window.markerChanged = true;
}
