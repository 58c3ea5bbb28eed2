#include "app/GreatCircleLegDrawing.h"

#include "app/RubberBand.h"
#include "app/TForm1.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "frame/PaintBounds.h"
#include "frame/RhumbLine.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/GreatCircle.h"
#include "platform/geodesy/PositionComputation.h"
#include "sensors/OwnShipState.h"
#include "userdata/RouteTable.h"
#include "userdata/WheelOverPoint.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace {

constexpr int32_t RouteColour = 2;
constexpr double LongestStep = 300.0;     // nm
constexpr double ShortestLeg = 0.001;     // nm: below it a leg has no direction to draw

}  // namespace

std::optional<double> GreatCircleStep(double distance)
{
    if (!(distance >= ShortestLeg))
        return std::nullopt;
    return distance / (std::trunc(distance / LongestStep) + 1.0);
}

bool DrawGreatCircleLeg(TForm1& form, QPainter& canvas, int32_t leg, int32_t width)
{
    if (leg < 0 || leg + 1 >= RouteTableEntries || !MainMapView)
        return false;
    const cmgbase::GeoPoint from = RouteTable[size_t(leg)].position;
    const cmgbase::GeoPoint to = RouteTable[size_t(leg + 1)].position;
    double distance = 0;
    if (cmgbase::InvPosComputation(from, to, &distance, nullptr, 0) != cmgbase::kGeoOk)
        return false;
    const std::optional<double> step = GreatCircleStep(distance);
    cmgbase::TGeoPolygone path;
    if (!step || cmgbase::getOrtodromia_GeoPoint_GeoPoint(from, to, *step, path) != cmgbase::kGeoOk ||
        path.points.size() < 3)
        return false;

    QPolygon line;
    double nearest = 99999.9;
    for (const cmgbase::GeoPoint& point : path.points) {
        ScreenPoint pixel{};
        if (MainMapView->GeoToScreen(form.chartRect, point, pixel))
            line << QPoint(pixel.x, pixel.y);
        double miles = 0;
        double bearing = 0;
        RhumbLineInverse(miles, bearing, point, OwnShip.referencePosition);
        if (miles < nearest) {
            nearest = miles;
            NearestGreatCirclePoint = point;
        }
    }
    canvas.setPen(OverlayPen(UserColour(RouteColour), width));
    // While a waypoint is dragged the stretch into the leg's end is dotted.
    const bool dragging = RouteEditMode == RouteEditing && PickedPoint > 0;
    if (dragging && line.size() >= 2) {
        canvas.drawPolyline(line.constData(), int(line.size()) - 1);
        canvas.setPen(OverlayPen(UserColour(RouteColour), width, Qt::DotLine));
        canvas.drawLine(line[line.size() - 2], line.back());
    } else {
        canvas.drawPolyline(line);
    }
    if (!line.isEmpty()) {
        const QRect box = line.boundingRect();
        ExtendPaintBounds(box.left() - width, box.top() - 4, box.right() + width, box.bottom() + width);
    }
    return true;
}
