#include "chart/LightPicks.h"

#include "chart/ChartLayerItems.h"
#include "chart/ChartRedraw.h"
#include "chart/ChartWindow.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/SelectedChartObject.h"
#include "frame/SetupParameters.h"
#include "platform/geodesy/PositionComputation.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace {

constexpr int32_t PickReach = 11;   // px in x and y
constexpr int32_t HoverReach = 12;  // px: nearer than this
constexpr int32_t LimitColour = 6;
constexpr int32_t CircleColour = 4;
constexpr int32_t NarrowSector = 201;
constexpr int32_t WideSector = 3399;

constexpr int OffsetX[17] = {2, 2, 2, 0, 0, 0, -1, -2, -2, -2, -2, 0, 0, 0, 1, 2, 2};
constexpr int OffsetY[17] = {0, 0, 1, 2, 2, 2, 2, 0, 0, 0, -1, -2, -2, -2, -2, 0, 0};

bool Near(const ChartMarker& m, int32_t x, int32_t y, int32_t reach)
{
    return std::abs(int64_t(m.x) - x) <= reach && std::abs(int64_t(m.y) - y) <= reach;
}

bool SamePosition(const cmgbase::GeoPoint& a, const cmgbase::GeoPoint& b) { return a.x == b.x && a.y == b.y; }

SelectedChartObject PickOf(const ChartWindow& window, const ChartMarker& picked, uint8_t kind)
{
    SelectedChartObject slot;
    slot.active = 1;
    slot.pickKind = kind;
    slot.lightHeight = picked.size;
    slot.position = picked.position;
    slot.x = picked.x;
    slot.y = picked.y;
    size_t copies = 0;
    for (const ChartMarker& m : window.chartMarkers)
        if (m.x == picked.x && m.y == picked.y && copies < slot.markers.size()) {
            slot.markers[copies] = m;
            slot.markers[copies++].shown = 1;
        }
    return slot;
}

std::optional<ScreenPoint> Pixel(const ChartWindow& window, const cmgbase::GeoPoint& position)
{
    ScreenPoint pixel;
    if (!MainMapView || !MainMapView->GeoToScreen(window.chartRect, position, pixel))
        return std::nullopt;
    return pixel;
}

void DrawLimits(ChartWindow& window, QPainter& canvas, const ChartMarker& m, int32_t range)
{
    DrawSectorLimits(window, canvas, 1, m.colour, m.sectorStart, range, m.position);
    DrawSectorLimits(window, canvas, -1, m.colour, m.sectorEnd, range, m.position);
}

void DrawSlot(ChartWindow& window, QPainter& canvas, SelectedChartObject& slot)
{
    const std::optional<ScreenPoint> pixel = Pixel(window, slot.position);
    if (!pixel)
        return;
    slot.x = pixel->x;
    slot.y = pixel->y;
    int32_t shortest = 255;
    for (const ChartMarker& copy : slot.markers)
        if (copy.shown)
            shortest = std::min<int32_t>(shortest, copy.range);
    for (const ChartMarker& copy : slot.markers)
        if (copy.shown && HasSector(copy) && (copy.colour == WhiteLight || slot.pickKind))
            DrawLimits(window, canvas, copy, slot.pickKind ? shortest : copy.range);
    const double eye = std::max<int16_t>(SetupParameters.ConningHeight, 0);
    const int radius = static_cast<int>(VisibilityRadius(PixelsPerMile, eye, slot.lightHeight));
    const QPoint centre(slot.x, slot.y);
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(OverlayPen(UserColour(CircleColour), 1, Qt::DashLine));
    canvas.drawEllipse(centre, radius, radius);
    canvas.setPen(OverlayPen(UserColour(LimitColour), 1, Qt::DashLine));
    canvas.drawEllipse(centre, radius + 2, radius + 2);
}

}  // namespace

bool HitTestChartObject(ChartWindow& window, uint8_t kind, int32_t x, int32_t y, bool bearingLineOn)
{
    if (window.chartLevel >= LightLevelLimit || bearingLineOn)
        return false;
    const auto hit = std::find_if(window.chartMarkers.begin(), window.chartMarkers.end(),
                                  [&](const ChartMarker& m) { return Near(m, x, y, PickReach); });
    if (hit == window.chartMarkers.end())
        return false;
    auto& picks = SelectedChartObjects;
    const auto held = std::find_if(picks.begin(), picks.end(), [&](const SelectedChartObject& slot) {
        return slot.active && SamePosition(slot.position, hit->position);
    });
    if (held == picks.end()) {
        std::shift_left(picks.begin(), picks.end(), 1);
        picks.back() = PickOf(window, *hit, kind);
    } else if (held->pickKind == kind) {
        std::shift_right(picks.begin(), held + 1, 1);
        picks.front() = SelectedChartObject{};
    } else {
        held->pickKind = kind;
    }
    window.chartRedrawRequest = true;
    return true;
}

int32_t HoverMarkerAt(const ChartWindow& window, int32_t x, int32_t y)
{
    int32_t found = -1;
    for (size_t i = 0; i < window.chartMarkers.size(); ++i)
        if (Near(window.chartMarkers[i], x, y, HoverReach - 1))
            found = int32_t(i);
    return found;
}

QPoint SectorLimitOffset(int32_t limit, float rotation)
{
    double degrees = std::fmod(limit / 10.0 - rotation, 360.0);
    if (degrees < 0)
        degrees += 360.0;
    const int k = std::clamp(static_cast<int>(degrees / 22.5), 0, 16);
    return {OffsetX[k], OffsetY[k]};
}

void DrawSectorLimits(ChartWindow& window, QPainter& canvas, int32_t dir, int32_t colour, int32_t limit,
                      int32_t range, const cmgbase::GeoPoint& position)
{
    cmgbase::GeoPoint end;
    if (cmgbase::DirPosComputation(position, &end, limit / 10.0 * std::numbers::pi / 180.0, range * 0.1, 0) != 0)
        return;
    const std::optional<ScreenPoint> from = Pixel(window, position);
    const std::optional<ScreenPoint> to = Pixel(window, end);
    if (!from || !to)
        return;
    const Qt::PenStyle style = canvas.pen().style();
    const QPoint a(from->x, from->y), b(to->x, to->y);
    canvas.setPen(OverlayPen(UserColour(LimitColour), 1, style));
    canvas.drawLine(a, b);
    const QPoint shift = SectorLimitOffset(limit, window.viewRotation) * dir;
    canvas.setPen(OverlayPen(UserColour(colour), 1, style));
    canvas.drawLine(a + shift, b + shift);
}

double VisibilityRadius(double pixelsPerMile, double eyeHeight, double lightHeight)
{
    return pixelsPerMile * 2.08 * (std::sqrt(std::max(eyeHeight, 0.0)) + std::sqrt(std::max(lightHeight, 0.0)));
}

void PaintSelectedObjects(ChartWindow& window, QPainter& canvas, bool sectorLayer)
{
    canvas.setPen(OverlayPen(UserColour(LimitColour), 1, Qt::DashLine));
    for (SelectedChartObject& slot : SelectedChartObjects)
        if (slot.active)
            DrawSlot(window, canvas, slot);
    if (sectorLayer) {
        canvas.setPen(OverlayPen(UserColour(LimitColour), 1, Qt::DashLine));
        for (const ChartMarker& m : window.chartMarkers) {
            const int32_t width = std::abs(m.sectorStart - m.sectorEnd);
            if (m.colour == WhiteLight && m.inSector && (width < NarrowSector || width > WideSector))
                DrawLimits(window, canvas, m, m.range);
        }
    }
    canvas.setPen(OverlayPen(canvas.pen().color(), 1, Qt::SolidLine));
}
