#include "app/OwnShipSymbol.h"

#include "app/OverlayArea.h"
#include "chart/ChartRedraw.h"
#include "chart/ChartWindow.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayPrimitives.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "frame/ShipGeometry.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/PositionComputation.h"
#include "sensors/OwnShipState.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double RadiansPerDegree = std::numbers::pi / 180.0;

// The hull is drawn from this length x pixels per nautical mile on, at chart levels below
// HullLevel; below ThickHullProduct its outline is drawn thinner.
constexpr int32_t HullLevel = 10;
constexpr int64_t HullProduct = 50000;
constexpr int64_t ThickHullProduct = 120000;

constexpr int32_t ShipColour = 1;
constexpr int32_t VectorColour = 3;
constexpr int32_t CrossColour = 6;
constexpr int32_t SymbolRadius = 14;
constexpr int32_t SymbolInnerRadius = 12;
constexpr int32_t CrossOuter = 11;
constexpr int32_t CrossInner = 3;
constexpr int32_t TickHalfLength = 6;
constexpr double TickOffset = 0.0001;  // nm: the first tick lies just beyond a minute's run

std::optional<ScreenPoint> Pixel(const ChartWindow& window, const cmgbase::GeoPoint& position)
{
    ScreenPoint pixel{};
    if (!MainMapView || !MainMapView->GeoToScreen(window.chartRect, position, pixel))
        return std::nullopt;
    return pixel;
}

cmgbase::GeoPoint Along(const cmgbase::GeoPoint& start, double bearing, double distance)
{
    cmgbase::GeoPoint end = start;
    if (cmgbase::DirPosComputation(start, &end, bearing, distance, 0) != cmgbase::kGeoOk)
        return start;
    return end;
}

int32_t Rounded(double value)
{
    return int32_t(std::clamp(std::round(value), double(std::numeric_limits<int32_t>::min()),
                              double(std::numeric_limits<int32_t>::max())));
}

}  // namespace

double CourseVectorLength(int16_t setting, bool minutes, float speed)
{
    const double tenths = std::max<int16_t>(setting, 0) * 0.1;
    return minutes ? tenths * std::max(double(speed), 0.0) / 6.0 : tenths;
}

cmgbase::GeoPoint CourseVectorEnd()
{
    const double length = CourseVectorLength(SetupParameters.BoatVector, SetupParameters.VectorInMinutes != 0,
                                             OwnShip.speedOverGround);
    return Along(OwnShip.referencePosition, OwnShip.courseOverGround * RadiansPerDegree, length);
}

std::optional<OwnShipPicture> PlaceOwnShip(const ChartWindow& window)
{
    const std::optional<ScreenPoint> ship = Pixel(window, OwnShip.referencePosition);
    if (!ship)
        return std::nullopt;
    OwnShipPicture picture;
    picture.ship = *ship;
    picture.lengthProduct =
        int64_t(double(ShipGeometry.bowMetres + ShipGeometry.sternMetres) * double(PixelsPerMile));
    picture.hull = window.chartLevel < HullLevel && picture.lengthProduct > HullProduct;
    picture.vectorStart = picture.ship;
    if (picture.hull) {
        const double course = OwnShip.displayCourse * RadiansPerDegree;
        for (size_t i = 0; i < picture.outline.size(); ++i) {
            const cmgbase::GeoPoint corner = Along(OwnShip.antennaPosition, course + ShipGeometry.outlineBearing[i],
                                                   ShipGeometry.outlineDistance[i]);
            picture.outline[i] = Pixel(window, corner).value_or(picture.ship);
        }
        picture.vectorStart = picture.outline[ShipGeometryRecord::Bow];
    }
    picture.vectorLength = CourseVectorLength(SetupParameters.BoatVector, SetupParameters.VectorInMinutes != 0,
                                              OwnShip.speedOverGround);
    picture.vectorEndGeo = CourseVectorEnd();
    picture.vectorEnd = Pixel(window, picture.vectorEndGeo).value_or(picture.ship);
    return picture;
}

std::optional<ScreenPoint> HeadingLineEnd(const ScreenPoint& start, double screenAngle, int32_t width,
                                          int32_t height)
{
    // The ray from start, clipped to the box 0..width x 0..height: it ends where it leaves.
    const double dx = std::sin(screenAngle * RadiansPerDegree);
    const double dy = -std::cos(screenAngle * RadiansPerDegree);
    double enter = 0.0;
    double leave = std::numeric_limits<double>::infinity();
    const auto clip = [&](double p, double q) {
        if (p == 0.0)
            return q >= 0.0;
        const double t = q / p;
        if (p < 0.0)
            enter = std::max(enter, t);
        else
            leave = std::min(leave, t);
        return true;
    };
    const double x = start.x;
    const double y = start.y;
    if (!clip(-dx, x) || !clip(dx, width - x) || !clip(-dy, y) || !clip(dy, height - y) || enter > leave ||
        !std::isfinite(leave))
        return std::nullopt;
    return ScreenPoint{std::clamp(Rounded(x + leave * dx), 0, width), std::clamp(Rounded(y + leave * dy), 0, height)};
}

void DrawCourseVector(ChartWindow& window, QPainter& canvas, const OwnShipPicture& ship, float speed)
{
    const ScreenPoint& start = ship.vectorStart;
    const ScreenPoint& end = ship.vectorEnd;
    DrawLineSegment(window, canvas, UserColourTable[VectorColour], start.x, start.y, end.x, end.y, 2);
    AddPaintedLine(start, end, 2);

    // A tick for every minute's run, measured from the ship along the vector.
    if (speed < 1.0f || !(ship.vectorLength > 0.0))
        return;
    const double vx = double(end.x) - ship.ship.x;
    const double vy = double(end.y) - ship.ship.y;
    const double pixels = std::hypot(vx, vy);
    const double minute = speed / 60.0;
    if (pixels * minute / ship.vectorLength < 1.0)
        return;  // closer than a pixel: they would only smear the vector
    const double acrossX = -vy / pixels * TickHalfLength;
    const double acrossY = vx / pixels * TickHalfLength;
    int32_t tick = 1;
    for (double run = minute + TickOffset; run < ship.vectorLength; run += minute, ++tick) {
        const double share = run / ship.vectorLength;
        const double px = ship.ship.x + vx * share;
        const double py = ship.ship.y + vy * share;
        const ScreenPoint from{Rounded(px - acrossX), Rounded(py - acrossY)};
        const ScreenPoint to{Rounded(px + acrossX), Rounded(py + acrossY)};
        DrawLineSegment(window, canvas, UserColourTable[VectorColour], from.x, from.y, to.x, to.y,
                        tick % 6 == 0 ? 2 : 1);
        AddPaintedLine(from, to, 2);
    }
}

void DrawHeadingLine(ChartWindow& window, QPainter& canvas, const OwnShipPicture& ship, double screenAngle)
{
    const int32_t width = window.chartRect.right - window.chartRect.left;
    const int32_t height = window.chartRect.bottom - window.chartRect.top;
    const std::optional<ScreenPoint> end = HeadingLineEnd(ship.vectorStart, screenAngle, width, height);
    if (!end)
        return;
    DrawLineSegment(window, canvas, UserColourTable[VectorColour], ship.vectorStart.x, ship.vectorStart.y, end->x,
                    end->y, 1);
    AddPaintedLine(ship.vectorStart, *end, 1);
}

void DrawOwnShipSymbol(ChartWindow& window, QPainter& canvas, const OwnShipPicture& ship)
{
    const ScreenPoint& c = ship.ship;
    const WindowRect& box = window.chartRect;
    const int32_t reach = SymbolRadius + 3;
    const bool centreNear =
        c.x >= box.left - reach && c.x <= box.right + reach && c.y >= box.top - reach && c.y <= box.bottom + reach;
    const int32_t hullWidth = ship.hull && ship.lengthProduct < ThickHullProduct ? 2 : 4;
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(OverlayPen(UserColour(ShipColour), hullWidth));
    if (ship.hull) {
        QPoint corners[5];
        for (size_t i = 0; i < ship.outline.size(); ++i) {
            corners[i] = QPoint(ship.outline[i].x, ship.outline[i].y);
            AddPaintedLine(ship.outline[i], ship.outline[(i + 1) % ship.outline.size()], hullWidth);
        }
        canvas.drawPolygon(corners, 5);
    } else if (centreNear) {
        canvas.drawEllipse(QPoint(c.x, c.y), SymbolRadius, SymbolRadius);
    }
    if (!centreNear)
        return;
    canvas.setPen(OverlayPen(UserColour(CrossColour), 1));
    if (!ship.hull)
        canvas.drawEllipse(QPoint(c.x, c.y), SymbolInnerRadius, SymbolInnerRadius);
    canvas.drawLine(c.x - CrossOuter, c.y, c.x - CrossInner, c.y);
    canvas.drawLine(c.x + CrossInner, c.y, c.x + CrossOuter, c.y);
    canvas.drawLine(c.x, c.y - CrossOuter, c.x, c.y - CrossInner);
    canvas.drawLine(c.x, c.y + CrossInner, c.x, c.y + CrossOuter);
    AddPaintedPoint(c, reach);
}
