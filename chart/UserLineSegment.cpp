// DrawUserLineSegment: the stored zones and fields of the line tool on the main view.

#include "chart/ChartWindow.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayPrimitives.h"
#include "userdata/UserRecords.h"

#include <QComboBox>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t ZoneKind = int32_t(ObjectType::ZONE);
constexpr int32_t FieldKind = int32_t(ObjectType::FIELD);
constexpr int32_t CrossHatchedZoneKind = 9;  // a zone hatched both ways

bool NorthUp(const ChartWindow& window)
{
    return !window.controls.DispMode || window.controls.DispMode->currentIndex() == 0;
}

// The circle around a through b.
void DrawZone(QPainter& canvas, const ScreenPoint& a, const ScreenPoint& b)
{
    const double radius = std::floor(std::hypot(double(b.x) - a.x, double(b.y) - a.y));
    canvas.drawEllipse(QPointF(a.x, a.y), radius, radius);
}

// The field's screen corners (a, a's latitude at b's longitude, b, b's latitude at a's
// longitude), the first repeated at the end; false when one has no pixel.
bool FieldCorners(const cmgbase::GeoPoint& pointA, const cmgbase::GeoPoint& pointB, const WindowRect& chart,
                  std::array<ScreenPoint, 5>& corners)
{
    const std::array<cmgbase::GeoPoint, 4> geo{pointA, cmgbase::GeoPoint{pointB.x, pointA.y}, pointB,
                                               cmgbase::GeoPoint{pointA.x, pointB.y}};
    for (size_t i = 0; i < geo.size(); ++i)
        if (!MainMapView->GeoToScreen(chart, geo[i], corners[i]))
            return false;
    corners[4] = corners[0];
    return true;
}

// The field with corners pointA and pointB: on a north-up chart the rectangle, held to just
// outside the paint box; on a turned chart the polygon of its corners. Nothing when it lies wholly
// outside the paint box.
void DrawField(ChartWindow& window, QPainter& canvas, const cmgbase::GeoPoint& pointA, const cmgbase::GeoPoint& pointB)
{
    std::array<ScreenPoint, 5> corners{};
    if (!FieldCorners(pointA, pointB, window.chartRect, corners))
        return;
    window.fieldCorners = corners;
    int64_t left = corners[0].x, right = corners[0].x, top = corners[0].y, bottom = corners[0].y;
    QPolygon polygon;
    for (size_t i = 0; i < 4; ++i) {
        polygon << QPoint(corners[i].x, corners[i].y);
        left = std::min<int64_t>(left, corners[i].x);
        right = std::max<int64_t>(right, corners[i].x);
        top = std::min<int64_t>(top, corners[i].y);
        bottom = std::max<int64_t>(bottom, corners[i].y);
    }
    const int64_t width = int64_t(window.chartRect.right) - window.chartRect.left;
    const int64_t height = int64_t(window.chartRect.bottom) - window.chartRect.top;
    if (right < 0 || bottom < 0 || left > width || top > height)
        return;
    if (!NorthUp(window)) {
        canvas.drawPolygon(polygon);
        return;
    }
    const auto holdX = [width](int64_t x) { return int(std::clamp<int64_t>(x, -1, width)); };
    const auto holdY = [height](int64_t y) { return int(std::clamp<int64_t>(y, -1, height)); };
    const int x = holdX(left), y = holdY(top);
    // The outline runs through both corner pixels.
    canvas.drawRect(QRect(x, y, holdX(right) - x, holdY(bottom) - y));
}

}  // namespace

void DrawUserLineSegment(ChartWindow& window, QPainter& canvas, const cmgbase::GeoPoint& pointA, int32_t colour,
                         int32_t kind, const cmgbase::GeoPoint& pointB)
{
    ScreenPoint a{}, b{};
    if (!MainMapView || !MainMapView->GeoToScreen(window.chartRect, pointA, a) ||
        !MainMapView->GeoToScreen(window.chartRect, pointB, b) || (a.x == b.x && a.y == b.y))
        return;
    const QColor shown = UserColour(colour);
    canvas.setPen(OverlayPen(shown, 1));
    canvas.setBrush(QBrush(shown, kind == CrossHatchedZoneKind ? Qt::DiagCrossPattern : Qt::BDiagPattern));
    if (kind == ZoneKind || kind == CrossHatchedZoneKind)
        DrawZone(canvas, a, b);
    else if (kind == FieldKind)
        DrawField(window, canvas, pointA, pointB);
    DrawHandleSquare(canvas, a.x, a.y);
    canvas.setBrush(Qt::NoBrush);
}
