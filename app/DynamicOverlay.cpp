#include "app/DynamicOverlay.h"
#include "app/WeatherDisplay.h"

#include "app/BearingLine.h"
#include "app/ChartCursor.h"
#include "app/CursorReadout.h"
#include "app/EditingState.h"
#include "app/LightOverlay.h"
#include "app/LookAheadSector.h"
#include "app/ObjectSweep.h"
#include "app/OverlayArea.h"
#include "app/OwnShipSymbol.h"
#include "app/RubberBand.h"
#include "app/TForm1.h"
#include "app/TargetPainting.h"
#include "app/TickState.h"
#include "chart/ChartLayerItems.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayPrimitives.h"
#include "frame/PaintBounds.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/GeodesyStatus.h"
#include "platform/geodesy/PositionComputation.h"
#include "radarweather/TWeatherDlg.h"
#include "sensors/OwnShipState.h"
#include "sensors/TargetTable.h"
#include "userdata/TrackSampling.h"
#include "userdata/TrackState.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <optional>

namespace {

constexpr double RadiansPerDegree = std::numbers::pi / 180.0;

constexpr int32_t ShipArea = 30;            // the full call's area around the own ship
constexpr int32_t FinderLength = 1600;      // px
constexpr int32_t FinderColour = 2;
constexpr int32_t MarkColour = 1;
constexpr int32_t ThreeDMarkReach = 20;
constexpr int32_t NameBaseMarkReach = 10;
constexpr int32_t NameBaseMarkWidth = 4;
constexpr int32_t RadarPointColour = 3;
constexpr int32_t RadarPointReach = 20;
constexpr int32_t RadarPointApart = 16;     // px from the own ship in x or y before it is drawn
constexpr uint8_t FirstAisKind = 4;         // kinds below are ARPA, sonar and simulated targets
constexpr int32_t NameOffsetX = 6;
constexpr int32_t NameOffsetY = -10;

std::optional<ScreenPoint> Pixel(const TForm1& form, const cmgbase::GeoPoint& position)
{
    ScreenPoint pixel{};
    if (!MainMapView || !MainMapView->GeoToScreen(form.chartRect, position, pixel))
        return std::nullopt;
    return pixel;
}

// A bearing on the turned chart, 0 up to below 360 degrees clockwise.
double ScreenAngle(double degrees)
{
    const double angle = std::fmod(degrees, 360.0);
    return angle < 0.0 ? angle + 360.0 : angle;
}

uint32_t TableColour(int32_t index)
{
    return UserColourTable[size_t(std::clamp<int32_t>(index, 0, int32_t(UserColourTable.size()) - 1))];
}

// The painted rectangle of the previous frame is copied back from the static picture.
QRect RestorePreviousFrame(TForm1& form)
{
    const QRect previous = PaintedArea();
    if (!previous.isEmpty())
        QPainter(&form.ChartWorkBitmap).drawImage(previous, form.ChartBackBitmap, previous);
    return previous;
}

// Samples the own track and draws its new segment into both bitmaps, so that it stays when
// later frames are restored; shows the track length.
void SampleTrack(TForm1& form, QPainter& canvas, const ScreenPoint& ship)
{
    TrackScreen screen{ship, ship};
    if (TrackLastSample.known)
        screen.lastSample = Pixel(form, TrackLastSample.position).value_or(ship);
    const TrackSamplingResult result = SampleOwnTrack(OwnTrackFix(), screen);
    form.txTrack->setText(QString::fromStdString(TrackLengthText(result.shownLength)));
    const uint32_t colour = TableColour(SetupParameters.TrackColour);
    if (result.segment) {
        const ScreenPoint& from = screen.lastSample;
        DrawLineSegment(form, canvas, colour, from.x, from.y, ship.x, ship.y, TrackLineWidth());
        QPainter back(&form.ChartBackBitmap);
        DrawLineSegment(form, back, colour, from.x, from.y, ship.x, ship.y, TrackLineWidth());
        AddPaintedLine(from, ship, TrackLineWidth());
    }
    if (result.depthMark) {
        QPainter back(&form.ChartBackBitmap);
        back.setPen(OverlayPen(WindowsColour(colour), 1));
        DrawDepthMark(form, back, OwnShip.depth, ship.x, ship.y);
    }
    if (result.redrawRequested)
        form.chartRedrawRequest = true;
}

void DrawOpenTrackSegment(TForm1& form, QPainter& canvas, const ScreenPoint& ship)
{
    if (!TrackLineReachesShip())
        return;
    const std::optional<ScreenPoint> last = Pixel(form, TrackLastSample.position);
    if (!last)
        return;
    DrawLineSegment(form, canvas, TableColour(SetupParameters.TrackColour), last->x, last->y, ship.x, ship.y,
                    TrackLineWidth());
    AddPaintedLine(*last, ship, TrackLineWidth());
}

bool NearPaintBox(const TForm1& form, const ScreenPoint& point, int32_t reach)
{
    return point.x >= form.chartRect.left - reach && point.x <= form.chartRect.right + reach &&
           point.y >= form.chartRect.top - reach && point.y <= form.chartRect.bottom + reach;
}

// The direction finder's bearing is true; the chart may be turned.
void DrawFinderBearing(TForm1& form, QPainter& canvas, const ScreenPoint& ship)
{
    if (OwnShip.finderValidity <= 0 || !NearPaintBox(form, ship, FinderLength))
        return;
    const double angle = ScreenAngle(OwnShip.finderBearing - form.viewRotation) * RadiansPerDegree;
    const ScreenPoint end{int32_t(std::lround(ship.x + FinderLength * std::sin(angle))),
                          int32_t(std::lround(ship.y - FinderLength * std::cos(angle)))};
    DrawLineSegment(form, canvas, TableColour(FinderColour), ship.x, ship.y, end.x, end.y, 2);
    AddPaintedLine(ship, end, 2);
}

void DrawCross(TForm1& form, QPainter& canvas, const ScreenPoint& at, int32_t reach, int32_t colour, int32_t width)
{
    DrawLineSegment(form, canvas, TableColour(colour), at.x - reach, at.y, at.x + reach, at.y, width);
    DrawLineSegment(form, canvas, TableColour(colour), at.x, at.y - reach, at.x, at.y + reach, width);
    AddPaintedPoint(at, reach + width);
}

void DrawThreeDMark(TForm1& form, QPainter& canvas)
{
    if (!form.Show3DBtn->isChecked() || !TickRequest.threeDCursorValid)
        return;
    const std::optional<ScreenPoint> mark = Pixel(form, TickRequest.threeDCursor);
    if (mark && NearPaintBox(form, *mark, ThreeDMarkReach))
        DrawCross(form, canvas, *mark, ThreeDMarkReach, MarkColour, 1);
}

void DrawNameBaseMark(TForm1& form, QPainter& canvas)
{
    if (!FastTick.nameBaseMarkVisible)
        return;
    const std::optional<ScreenPoint> mark = Pixel(form, FastTick.nameBaseMark);
    if (!mark || !NearPaintBox(form, *mark, NameBaseMarkReach))
        return;
    const ScreenPoint& m = *mark;
    const int32_t r = NameBaseMarkReach;
    DrawLineSegment(form, canvas, TableColour(MarkColour), m.x - r, m.y - r, m.x + r, m.y + r, NameBaseMarkWidth);
    DrawLineSegment(form, canvas, TableColour(MarkColour), m.x - r, m.y + r, m.x + r, m.y - r, NameBaseMarkWidth);
    AddPaintedPoint(m, r + NameBaseMarkWidth);
}

void DrawRadarPoint(TForm1& form, QPainter& canvas, const ScreenPoint& ship)
{
    if (OwnShip.markerRange == 0)
        return;
    cmgbase::GeoPoint point = OwnShip.radarAntennaPosition;
    if (cmgbase::DirPosComputation(OwnShip.radarAntennaPosition, &point, OwnShip.markerBearing * RadiansPerDegree,
                                   OwnShip.markerRange / 100.0, 0) != cmgbase::kGeoOk)
        return;
    const std::optional<ScreenPoint> pixel = Pixel(form, point);
    if (!pixel || !NearPaintBox(form, *pixel, RadarPointReach))
        return;
    if (std::abs(int64_t(pixel->x) - ship.x) >= RadarPointApart || std::abs(int64_t(pixel->y) - ship.y) >= RadarPointApart)
        DrawCross(form, canvas, *pixel, RadarPointReach, RadarPointColour, 2);
}

void DrawTargets(TForm1& form, QPainter& canvas)
{
    const bool arpa = form.Arpa1Btn->isChecked() || form.Arpa2Btn->isChecked();
    const bool ais = form.AisBtn->isChecked();
    if (!arpa && !ais)
        return;
    for (int32_t i = 0; i < TargetCount; ++i) {
        const TargetRecord& target = TargetTable[size_t(i)];
        if (target.id == -1)
            continue;
        if (target.kind < FirstAisKind ? arpa : ais)
            PaintTargets(form, canvas, i);
    }
}

// The name of the stored object under the cursor while one of its kind is to be picked; the
// object is only found, not picked.
void DrawObjectName(TForm1& form, QPainter& canvas)
{
    if (PickMode < 1 || PickMode > 3)
        return;
    const std::optional<IdRecord> found = HoverObject(form, ObjectType(PickMode));
    if (!found)
        return;
    char id[24];
    std::snprintf(id, sizeof id, "id.%d", int(found->id));
    const std::string name = FixedText(found->name);
    const std::string text = name.empty() ? std::string(id) : name;
    const ScreenPoint at{CursorPixel.x + NameOffsetX, CursorPixel.y + NameOffsetY};
    const int32_t width =
        DrawLabelBox(form, canvas, at.x, text, QApplication::palette().color(QPalette::Base), at.y);
    AddPaintedArea(at.x, at.y, int64_t(at.x) + width + 4, int64_t(at.y) + canvas.fontMetrics().height());
}

// Asks CM93 to show the union of the erased and the new frame; the paint event draws it.
void ShowFrame(TForm1& form, const QRect& previous)
{
    const QRect changed = previous.united(PaintedArea());
    if (!changed.isEmpty())
        form.CM93->update(changed);
}

}  // namespace

TrackFix OwnTrackFix()
{
    return {OwnShip.gpsLongitude,      OwnShip.gpsLatitude,     OwnShip.referencePosition,
            OwnShip.courseOverGround, OwnShip.speedOverGround, OwnShip.depth,
            OwnShip.waterTemperature};
}

std::optional<BearingLineEnds> FeedRangeBearing(TForm1& form)
{
    if (form.BearingBtn->isChecked()) {
        const BearingLineEnds ends = PlaceBearingLine(form);
        UpdateRangeBearingReadout(form, ends.from, ends.to);
        return ends;
    }
    const bool fromShip = DrawnPointCount == 0 || (LineEditPhase == LineDrawing && SetupParameters.LineKind < 2);
    UpdateRangeBearingReadout(form, fromShip ? OwnShip.referencePosition : AnchorGeo, form.cursorChartPoint);
    return std::nullopt;
}

void PaintDynamicOverlay(TForm1& form, bool full)
{
    if (!StartupDone || ChartRestartInProgress || !MainMapView || form.ChartWorkBitmap.isNull() ||
        form.ChartBackBitmap.size() != form.ChartWorkBitmap.size())
        return;
    SetOverlayPaintBox(form.ChartWorkBitmap.rect());
    const QRect previous = RestorePreviousFrame(form);
    if (form.ZoomPaintHold > 0)
        return;
    OverlayDirtyRect.holdsArea = 0;

    QPainter canvas(&form.ChartWorkBitmap);
    const std::optional<OwnShipPicture> ship = PlaceOwnShip(form);
    if (ship)
        TickRequest.ownShipPixel = ship->ship;
    if (full && ship) {
        AddPaintedPoint(ship->ship, ShipArea);
        SampleTrack(form, canvas, ship->ship);
    }
    const std::optional<BearingLineEnds> bearingLine = FeedRangeBearing(form);
    if (bearingLine)
        DrawBearingLine(form, canvas, *bearingLine);
    if (ship)
        DrawFinderBearing(form, canvas, ship->ship);
    DrawRubberBand(form, canvas);
    DrawThreeDMark(form, canvas);
    DrawNameBaseMark(form, canvas);
    if (ship && OwnShip.positionKnown) {
        DrawOpenTrackSegment(form, canvas, ship->ship);
        DrawCourseVector(form, canvas, *ship, OwnShip.speedOverGround);
        if (full && OwnShip.headingValidity > 0)
            DrawHeadingLine(form, canvas, *ship, ScreenAngle(OwnShip.heading - form.viewRotation));
    }
    if (ship && LookAheadSectorShown(form))
        DrawLookAheadSector(canvas, *MainMapView, form.chartRect, ship->ship, true);
    if (ship)
        DrawOwnShipSymbol(form, canvas, *ship);
    if (ship)
        DrawRadarPoint(form, canvas, ship->ship);
    if (form.chartLevel < LightLevelLimit && LightLayersTicked(form) && !form.rbBase->isChecked())
        PaintLightFlashes(form, canvas, full);
    DrawTargets(form, canvas);
    if (HoverMarker >= 0)
        DrawHoverLightLabel(form, canvas, HoverMarker);
    if (full)
        DrawObjectName(form, canvas);
    if (WeatherDlg && WeatherDlg->isVisible())
        PaintWeatherReadout(form, canvas);
    canvas.end();
    ShowFrame(form, previous);
}
