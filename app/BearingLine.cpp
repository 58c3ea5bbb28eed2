#include "app/BearingLine.h"

#include "app/ChartCursor.h"
#include "app/OverlayArea.h"
#include "app/TForm1.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/PositionComputation.h"
#include "sensors/OwnShipState.h"

#include <QLineEdit>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace {

constexpr size_t CrossBearingDigits = 3;
constexpr int32_t FullCircle = 360;
constexpr int32_t HighestRingLevel = 15;  // no range ring at the smallest scales

}  // namespace

CrossBearingEntry ReadCrossBearing(std::string_view text)
{
    const std::string_view digits = text.substr(0, CrossBearingDigits);
    if (digits.empty())
        return {};
    int32_t degrees = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return {};
        degrees = degrees * 10 + (c - '0');
    }
    if (degrees > FullCircle)
        return {0, true};
    return {degrees, false};
}

BearingLineEnds PlaceBearingLine(TForm1& form)
{
    BearingLineEnds ends;
    if (!BearingOriginSet) {
        ends.from = OwnShip.referencePosition;
        ends.to = BearingFrozen ? BearingEndGeo : form.cursorChartPoint;
        return ends;
    }
    ends.from = AnchorGeo;
    ends.to = BearingFrozen ? OwnShip.referencePosition : form.cursorChartPoint;
    if (BearingFrozen)
        return ends;
    const CrossBearingEntry cross = ReadCrossBearing(form.edCross->text().toStdString());
    if (cross.clearEntry)
        form.edCross->clear();
    if (cross.degrees <= 0)
        return ends;
    // The object was seen on the bearing from the ship, so the ship lies on its reciprocal.
    double reach = 0.0;
    if (cmgbase::InvPosComputation(AnchorGeo, form.cursorChartPoint, &reach, nullptr, 0) != cmgbase::kGeoOk)
        return ends;
    const int32_t reciprocal = (cross.degrees + 180) % FullCircle;
    cmgbase::GeoPoint end = ends.to;
    if (cmgbase::DirPosComputation(AnchorGeo, &end, reciprocal * std::numbers::pi / 180.0, reach, 0) ==
        cmgbase::kGeoOk)
        ends.to = end;
    return ends;
}

void DrawBearingLine(ChartWindow& window, QPainter& canvas, const BearingLineEnds& ends)
{
    ScreenPoint from{};
    ScreenPoint to{};
    if (!MainMapView || !MainMapView->GeoToScreen(window.chartRect, ends.from, from) ||
        !MainMapView->GeoToScreen(window.chartRect, ends.to, to))
        return;
    canvas.setPen(OverlayPen(WindowTextColour(), 1));
    canvas.setBrush(Qt::NoBrush);
    canvas.drawLine(from.x, from.y, to.x, to.y);
    AddPaintedLine(from, to, 1);
    if (window.chartLevel > HighestRingLevel)
        return;
    const double radius = std::hypot(double(to.x) - from.x, double(to.y) - from.y);
    canvas.drawEllipse(QPointF(from.x, from.y), radius, radius);
    const int64_t reach = int64_t(std::ceil(radius)) + 1;
    AddPaintedArea(from.x - reach, from.y - reach, from.x + reach, from.y + reach);
}
