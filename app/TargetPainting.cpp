#include "app/TargetPainting.h"

#include "app/ChartCursor.h"
#include "app/OwnShipPositions.h"
#include "app/TForm1.h"
#include "app/TargetAgeing.h"
#include "app/TargetSymbols.h"
#include "app/TargetTrackPictures.h"
#include "app/TickState.h"
#include "chart/ChartRedraw.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayPrimitives.h"
#include "frame/CpaTcpa.h"
#include "frame/PaintBounds.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/PositionComputation.h"
#include "sensors/OwnShipState.h"
#include "sensors/TArpaDlg.h"
#include "sensors/TargetTable.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <optional>
#include <string>

namespace {

constexpr int64_t FarthestPixel = 8000;  // a target farther off the screen is not drawn
constexpr int64_t CursorReach = 12;
constexpr double DangerRange = 10.0;  // nautical miles
constexpr int32_t VectorColour = 3;
constexpr int32_t OwnCpaColour = 1;
constexpr int32_t SymbolArea = 16;  // pixels around the target that its symbol covers

// The hull outline replaces the triangle from this length (metres) x pixels per nautical mile.
constexpr double HullOutlineSize = 50000.0;
constexpr int32_t HullOutlineLevels = 10;  // chart levels below this one

constexpr double RadiansPerDegree = std::numbers::pi / 180.0;

bool IsAis(uint8_t kind) { return kind == TargetAisPosition || kind == TargetAisStatic; }

// A speed the record may hold before one is known (-1) or garbage: 0 then.
double Speed(float knots) { return std::isfinite(knots) && knots > 0.0f ? knots : 0.0; }
double Course(float degrees) { return std::isfinite(degrees) ? degrees : 0.0; }

// The symbol colour of each kind of target.
int32_t SymbolColour(uint8_t kind)
{
    switch (kind) {
    case TargetArpa:
        return 2;
    case TargetSonar:
        return 7;
    case TargetSimulated:
        return 6;
    default:
        return 1;
    }
}

uint32_t UserWindowsColour(int32_t index)
{
    return UserColourTable[size_t(std::clamp<int32_t>(index, 0, int32_t(UserColourTable.size()) - 1))];
}

// What the steps of one target share.
struct TargetScene {
    TForm1& form;
    QPainter& canvas;
    TargetRecord& target;
    int32_t index;
    cmgbase::GeoPoint position;  // shown position
    ScreenPoint pixel;
    bool hovered;   // under the cursor
    bool selected;  // shown in the visible target dialog
    bool ais;
};

std::optional<ScreenPoint> OnView(const TForm1& form, const cmgbase::GeoPoint& position)
{
    ScreenPoint pixel{};
    if (!MainMapView || !MainMapView->GeoToScreen(form.chartRect, position, pixel))
        return std::nullopt;
    return pixel;
}

// The point miles along courseDegrees from start on the main view.
std::optional<ScreenPoint> AheadOnView(const TForm1& form, const cmgbase::GeoPoint& start, double courseDegrees,
                                       double miles)
{
    cmgbase::GeoPoint end{};
    if (cmgbase::DirPosComputation(start, &end, courseDegrees * RadiansPerDegree, miles, 0) != cmgbase::kGeoOk)
        return std::nullopt;
    return OnView(form, end);
}

void ExtendAroundLine(ScreenPoint from, ScreenPoint to, int32_t margin)
{
    ExtendPaintBoundsAround(QPolygon{QPoint(from.x, from.y), QPoint(to.x, to.y)}, margin);
}

// The rest of the track: the static picture holds the part the static overlay drew and each
// newer point the 100 ms tick added, so here the whole history is drawn only for the target
// under the cursor and for the dialog's target whose track the static picture does not hold;
// then the piece from the newest point to the target.
void PaintTrackHistory(const TargetScene& s)
{
    const TargetRecord& target = s.target;
    const TargetTrackPicture& picture = TargetTrackPictures[size_t(s.index)];
    const int32_t count = std::clamp<int32_t>(target.count, 0, TargetRecord::TrackPoints);
    const int32_t drawn = std::clamp<int32_t>(picture.drawnCount, 0, count);
    const bool trackOn = target.trackMode != 0;
    if (drawn == 0 && !((s.hovered || s.selected) && trackOn))
        return;
    if (count == 0)
        return;
    const int32_t width = std::max<int32_t>(target.trackMode, 1);
    if (s.hovered || drawn == 0) {
        QPolygon history;
        for (int32_t slot = count - 1; slot >= 0; --slot)
            history << QPoint(picture.points[size_t(slot)].x, picture.points[size_t(slot)].y);
        s.canvas.setPen(OverlayPen(UserColour(target.colour), width));
        s.canvas.drawPolyline(history);
        ExtendPaintBoundsAround(history, 2);
    }
    const ScreenPoint newest = picture.points[size_t(count - 1)];
    DrawLineSegment(s.form, s.canvas, UserWindowsColour(target.colour), s.pixel.x, s.pixel.y, newest.x, newest.y,
                    width);
    ExtendAroundLine(s.pixel, newest, 2);
}

void PaintVector(const TargetScene& s)
{
    if (s.ais && s.target.trackMode == 0 && !s.selected)
        return;
    double miles = std::max(int32_t{SetupParameters.BoatVector}, 0) * 0.1;
    if (SetupParameters.VectorInMinutes)
        miles *= Speed(s.target.speed) / 6.0;
    const std::optional<ScreenPoint> end = AheadOnView(s.form, s.position, Course(s.target.course), miles);
    if (!end)
        return;
    DrawLineSegment(s.form, s.canvas, UserWindowsColour(VectorColour), s.pixel.x, s.pixel.y, end->x, end->y, 2);
    ExtendAroundLine(s.pixel, *end, 2);
}

// CPA and TCPA of a target of a kind above ARPA into its record; ARPA targets keep the values
// their radar sends.
void StoreCpaTcpa(TargetRecord& target, const cmgbase::GeoPoint& position)
{
    if (target.kind == TargetArpa)
        return;
    float minutes = 0.0f;
    float miles = 0.0f;
    ComputeCpaTcpa(OwnShip.referencePosition, float(Course(OwnShip.courseOverGround)),
                   float(Speed(OwnShip.speedOverGround)), position, float(Course(target.course)),
                   float(Speed(target.speed)), minutes, miles);
    target.tcpa = minutes;
    target.cpa = miles;
}

// Closer than the CPA setting, within the TCPA setting ahead, and less than 10 miles away.
bool Dangerous(const TargetRecord& target, const cmgbase::GeoPoint& position)
{
    if (!(target.cpa <= SetupParameters.CpaDistance * 0.1f && target.tcpa > 0.0f &&
          target.tcpa <= float(SetupParameters.CpaTime)))
        return false;
    double distance = 0.0;
    return cmgbase::InvPosComputation(OwnShip.referencePosition, position, &distance, nullptr, 0) ==
               cmgbase::kGeoOk &&
           distance < DangerRange;
}

void PaintAisSymbol(const TargetScene& s, const QPen& pen)
{
    const TargetRecord& target = s.target;
    const double heading = target.dynamic.trueHeading < 360 ? double(target.dynamic.trueHeading)
                                                            : Course(target.course);
    const double screenHeading = heading - s.form.viewRotation;
    const bool trackOn = target.trackMode != 0;
    const AisStaticBlock& ship = target.staticData;
    std::optional<std::array<ScreenPoint, 5>> hull;
    if (trackOn && s.form.chartLevel < HullOutlineLevels &&
        (double(ship.dimensionA) + ship.dimensionB) * PixelsPerMile > HullOutlineSize)
        hull = AisHullCorners(*MainMapView, s.form.chartRect, s.position, heading, ship);
    if (hull)
        DrawAisHull(s.canvas, pen, *hull);
    else
        DrawAisTriangle(s.canvas, pen, s.pixel, screenHeading);
    if (target.status != 'T')
        DrawAisStrike(s.canvas, pen, s.pixel);
    else if (trackOn || s.selected)
        DrawAisHeadingLine(s.canvas, s.pixel, screenHeading, target.dynamic.rateOfTurn);
}

// The CPA points: the own ship's, speed / 60 x TCPA along its course (back along it for a TCPA
// in the past), ringed in red; the target's likewise along its course, marked by a cross.
void PaintCpaPoints(const TargetScene& s, const QColor& colour)
{
    const TargetRecord& target = s.target;
    const double minutes = target.tcpa;
    if (!std::isfinite(minutes))
        return;
    const QPen dotted = OverlayPen(colour, 1, Qt::DotLine);
    const std::optional<ScreenPoint> own = OnView(s.form, OwnShip.referencePosition);
    const std::optional<ScreenPoint> ownCpa =
        AheadOnView(s.form, OwnShip.referencePosition, Course(OwnShip.courseOverGround),
                    Speed(OwnShip.speedOverGround) / 60.0 * minutes);
    if (own && ownCpa) {
        s.canvas.setPen(dotted);
        s.canvas.drawLine(own->x, own->y, ownCpa->x, ownCpa->y);
        s.canvas.setPen(OverlayPen(UserColour(OwnCpaColour), 2));
        s.canvas.setBrush(Qt::NoBrush);
        s.canvas.drawEllipse(QPoint(ownCpa->x, ownCpa->y), 5, 5);
        ExtendAroundLine(*own, *ownCpa, 7);
    }
    const std::optional<ScreenPoint> targetCpa =
        AheadOnView(s.form, s.position, Course(target.course), Speed(target.speed) / 60.0 * minutes);
    if (targetCpa) {
        s.canvas.setPen(dotted);
        s.canvas.drawLine(s.pixel.x, s.pixel.y, targetCpa->x, targetCpa->y);
        s.canvas.setPen(OverlayPen(colour, 2));
        const QPoint mark(targetCpa->x, targetCpa->y);
        s.canvas.drawLine(mark + QPoint(-4, -4), mark + QPoint(4, 4));
        s.canvas.drawLine(mark + QPoint(-4, 4), mark + QPoint(4, -4));
        ExtendAroundLine(s.pixel, *targetCpa, 6);
    }
}

// The name as the record holds it (Windows-1252), blanks trimmed; the id when it has none.
std::string LabelText(const TargetRecord& target)
{
    std::string name(target.label, strnlen(target.label, sizeof target.label));
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos)
        return TargetIdText(target);
    return name.substr(first, name.find_last_not_of(' ') - first + 1);
}

void PaintLabel(const TargetScene& s)
{
    ExtendPaintBounds(s.pixel.x - SymbolArea, s.pixel.y - SymbolArea, s.pixel.x + SymbolArea,
                      s.pixel.y + SymbolArea);
    const bool named = SetupParameters.AisNames != 0 && !(s.ais && s.target.trackMode == 0);
    if (!named && !s.hovered)
        return;
    const int32_t x = s.pixel.x + 6;
    const int32_t y = s.pixel.y + 6;
    const QColor window = QGuiApplication::palette().color(QPalette::Window);
    const int32_t width = DrawLabelBox(s.form, s.canvas, x, LabelText(s.target), window, y);
    ExtendPaintBounds(x, y, x + width + 4, y + s.canvas.fontMetrics().height());
}

}  // namespace

cmgbase::GeoPoint ShownTargetPosition(const TargetRecord& target, int64_t now)
{
    const cmgbase::GeoPoint reported{target.positionX, target.positionY};
    const double miles = Speed(target.speed) * double(SecondsSinceReport(target, now)) / 3600.0;
    return miles > 0.0 ? MoveAlong(reported, Course(target.course), miles) : reported;
}

void PaintTargets(TForm1& form, QPainter& canvas, int32_t index)
{
    if (index < 0 || index >= TargetCount || !MainMapView)
        return;
    TargetRecord& target = TargetTable[size_t(index)];
    if (target.id == -1)
        return;
    const cmgbase::GeoPoint position = ShownTargetPosition(target, ClockSeconds);
    const std::optional<ScreenPoint> pixel = OnView(form, position);
    if (!pixel)
        return;
    target.screenX = pixel->x;
    target.screenY = pixel->y;
    if (std::abs(int64_t(pixel->x)) > FarthestPixel || std::abs(int64_t(pixel->y)) > FarthestPixel)
        return;

    const TargetScene scene{
        form,
        canvas,
        target,
        index,
        position,
        *pixel,
        std::abs(int64_t(pixel->x) - CursorPixel.x) < CursorReach &&
            std::abs(int64_t(pixel->y) - CursorPixel.y) < CursorReach,
        ShownTarget == index && ArpaDlg && ArpaDlg->isVisible(),
        IsAis(target.kind),
    };
    PaintTrackHistory(scene);
    PaintVector(scene);

    const QColor colour = UserColour(SymbolColour(target.kind));
    StoreCpaTcpa(target, position);
    const bool dangerous = Dangerous(target, position);
    int32_t width = scene.ais ? (target.trackMode != 0 ? 3 : 1) : 4;
    // A dangerous target pulses: one pixel wider and narrower on alternate fixes.
    if (dangerous)
        width = std::max(width + (FastTick.targetBlink ? -1 : 1), 1);
    const QPen pen = OverlayPen(colour, width);
    if (scene.ais)
        PaintAisSymbol(scene, pen);
    else
        DrawArpaSymbol(canvas, pen, scene.pixel, target.status == 'T');

    if (scene.selected)
        DrawSelectionBrackets(canvas, scene.pixel);
    if ((form.ckCpaShow->isChecked() && dangerous) || (scene.selected && ArpaDlg->CpaShown()))
        PaintCpaPoints(scene, colour);
    PaintLabel(scene);
}
