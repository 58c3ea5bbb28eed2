#include "app/StaticOverlay.h"

#include "app/BackCanvas.h"
#include "app/ChartCursor.h"
#include "app/DataSetOverlay.h"
#include "app/EditingState.h"
#include "app/ExternalLibraries.h"
#include "app/LightOverlay.h"
#include "app/NorthArrow.h"
#include "app/ObjectLoad.h"
#include "app/ObjectSweep.h"
#include "app/RouteLegGeometry.h"
#include "app/TForm1.h"
#include "app/TargetAgeing.h"
#include "app/TargetTrackPictures.h"
#include "app/TickState.h"
#include "chart/BorderGraduation.h"
#include "chart/ChartLayerItems.h"
#include "chart/ChartRedraw.h"
#include "chart/LightPicks.h"
#include "chart/MapView.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayFont.h"
#include "chart/OverlayPrimitives.h"
#include "chart/TCM93Inspector.h"
#include "chart/TCm93Update.h"
#include "chart/TPositionDlg.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "sensors/TargetTable.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteTable.h"
#include "userdata/SeabedExport.h"
#include "userdata/TrackState.h"
#include "userdata/UserRecords.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPainter>
#include <QPolygon>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <optional>
#include <span>

namespace {

constexpr int32_t BearingLineColour = 1;
constexpr int32_t PositionMarkColour = 1;

// The depth unit's label box: its right edge this far inside the chart's right edge (the main
// panel's left edge), its bottom this far above the chart's bottom.
constexpr int32_t DepthUnitRightMargin = 11;
constexpr int32_t DepthUnitBottomMargin = 6;

int32_t Type(ObjectType type)
{
    return int32_t(type);
}

bool Down(const QAbstractButton* button)
{
    return button->isChecked();
}

bool Visible(const QWidget* window)
{
    return window && window->isVisible();
}

QPoint At(const ScreenPoint& pixel)
{
    return {pixel.x, pixel.y};
}

// The light flashes and labels into the chart picture, then the chart picture with the font of
// the text-size setting into ChartBackBitmap.
void TakeChartPicture(TForm1& form)
{
    form.overlayFont = ChartOverlayFont(SetupParameters.Resolution);
    {
        QPainter lights(&form.MainChartBitmap);
        lights.setFont(form.overlayFont);
        PaintChartLights(form, lights);
    }
    form.ChartBackBitmap = form.MainChartBitmap;
}

void PaintBorderGraduation(TForm1& form)
{
    const bool northUp = form.DispMode->currentIndex() == 0;
    if (!ChartLayerTicked(form, BorderGraduationItem) || Down(form.rbBase) || !northUp)
        return;
    BackCanvas canvas(form);
    DrawBorderGraduation(form, canvas);
}

void DrawSelectedLine(TForm1& form)
{
    if (LineId != 0)
        LoadObject(form, Type(ObjectType::LINE), LineId);
}

// Areas, tracks and lines of the set in use; tracks and lines with handles while one is picked.
void PaintStoredObjects(TForm1& form)
{
    SweepObjects(form, PlainSweep(ObjectType::ZONE));
    SweepObjects(form, PlainSweep(ObjectType::FIELD));
    for (const ObjectType type : {ObjectType::TRACK, ObjectType::LINE})
        SweepObjects(form, PickMode == Type(type) ? PickSweep(type) : PlainSweep(type));
    DrawSelectedLine(form);
}

// The route's screen points, leg distances and bearings and its length. A refresh of the legs'
// turns and checks asked for runs here too; it writes the route's records, and nothing it meets
// may stop the picture.
void ComputeRouteValues(TForm1& form)
{
    const int32_t count = RouteEntryCount();
    if (count == 0)
        return;
    for (int32_t i = 0; i < count; ++i) {
        WP_typ& entry = RouteTable[size_t(i)];
        if (const auto pixel = MainViewPixel(form, entry.position))
            entry.screenPoint = *pixel;
    }
    ComputeRouteLegs();
    if (!RouteLegGeometryPending)
        return;
    RouteLegGeometryPending = false;
    try {
        UpdateRouteLegGeometry(form);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "route legs: not brought up to date: %s\n", failure.what());
    }
}

void PaintRoutes(TForm1& form)
{
    if (PickMode == Type(ObjectType::ROUTE) || RouteEditMode >= RouteDrawing)
        SweepObjects(form, PickSweep(ObjectType::ROUTE));
    else if (RouteId != 0)
        LoadObject(form, Type(ObjectType::ROUTE), RouteId);
}

// The bearing line's two fixed points on the chart as it is now, for the dynamic overlay.
void PlaceBearingPoints(TForm1& form)
{
    if (!Down(form.BearingBtn) && !EditingActive)
        return;
    if (const auto pixel = MainViewPixel(form, AnchorGeo))
        AnchorPixel = *pixel;
    if (const auto pixel = MainViewPixel(form, BearingEndGeo))
        BearingEndPixel = *pixel;
}

void PaintDatabaseTrack(TForm1& form)
{
    if (DatabaseTrackId != 0)
        LoadObject(form, Type(ObjectType::TRACK), DatabaseTrackId);
}

// The samples of the track ring oldest first, from the slot the next sample takes round to the
// one before it, into TrackPixels. A stored slot outside the ring starts the walk at slot 0.
void CollectTrackPixels(const TForm1& form)
{
    TrackPixels.count = 0;
    const int32_t index = SetupParameters.TrackIndex;
    const int32_t start = index >= 0 && index < TrackRingSize ? index : 0;
    for (int32_t step = 0; step < TrackRingSize; ++step) {
        const int32_t slot = (start + step) % TrackRingSize;
        const TrackSample& sample = SetupParameters.TrackRing[size_t(slot)];
        if (sample.empty())
            continue;
        const auto pixel = MainViewPixel(form, sample.chartPosition());
        if (!pixel)
            continue;
        TrackPixels.pixels[size_t(TrackPixels.count++)] = {*pixel, sample.depth * 0.1f, slot};
    }
}

// The recorded own track: a line through its samples in the track colour, dotted while a
// database track is recorded, with the depths at the samples in track mode 2 and while the
// query button is down.
void PaintRecordedTrack(TForm1& form)
{
    const uint8_t mode = SetupParameters.TrackMode;
    if (mode == 0) {
        TrackPixels.count = 0;
        return;
    }
    CollectTrackPixels(form);
    const auto pixels = std::span(TrackPixels.pixels).first(size_t(TrackPixels.count));
    if (pixels.size() < 2)
        return;
    BackCanvas canvas(form);
    const bool databaseTrack = DatabaseTrackId != 0;
    const int32_t width = !databaseTrack && mode == 3 ? 2 : 1;
    canvas.setPen(OverlayPen(UserColour(SetupParameters.TrackColour), width,
                             databaseTrack ? Qt::DotLine : Qt::SolidLine));
    canvas.setBrush(Qt::NoBrush);
    QPolygon line;
    for (const TrackPixel& pixel : pixels)
        line << At(pixel.point);
    canvas.drawPolyline(line);
    if (mode == 2 || Down(form.QueryBtn)) {
        // The picture is new: no depth of it is labelled yet.
        form.lastDepthLabel.reset();
        for (const TrackPixel& pixel : pixels)
            DrawDepthMark(form, canvas, pixel.depth, pixel.point.x, pixel.point.y);
    }
}

// Every target's track on the chart, and its newest points drawn, as many as the settings ask
// for, where the target's kind is shown and its track mode asks for it. Dead-reckoned targets
// keep no track of reports and are left out.
void PaintTargetTracks(TForm1& form)
{
    BackCanvas canvas(form);
    canvas.setBrush(Qt::NoBrush);
    const bool arpaShown = Down(form.Arpa1Btn) || Down(form.Arpa2Btn);
    const bool aisShown = Down(form.AisBtn);
    for (size_t i = 0; i < size_t(TargetCount); ++i) {
        const TargetRecord& target = TargetTable[i];
        TargetTrackPicture& picture = TargetTrackPictures[i];
        picture.drawnCount = 0;
        if (target.id == -1 || target.kind == TargetSimulated)
            continue;
        const int32_t count = std::clamp<int32_t>(target.count, 0, TargetRecord::TrackPoints);
        for (int32_t slot = 0; slot < count; ++slot) {
            if (const auto pixel = MainViewPixel(form, {target.track[slot][0], target.track[slot][1]}))
                picture.points[size_t(slot)] = *pixel;
        }
        const bool kindShown = target.kind < TargetSimulated ? arpaShown
                                                             : target.kind == TargetAisPosition && aisShown;
        const bool modeShown = target.trackMode >= 2 || (target.trackMode >= 1 && SetupParameters.AisTracks);
        if (!kindShown || !modeShown)
            continue;
        const int32_t drawn = std::clamp<int32_t>(SetupParameters.AisTrackPoints, 0, count);
        const auto newest = std::span(picture.points).subspan(size_t(count - drawn), size_t(drawn));
        canvas.setPen(OverlayPen(UserColour(target.colour), target.trackMode));
        QPolygon line;
        for (const ScreenPoint& point : newest)
            line << At(point);
        canvas.drawPolyline(line);
        if (Down(form.QueryBtn)) {
            for (const ScreenPoint& point : newest)
                DrawHandleSquare(canvas, point.x, point.y);
        }
        picture.drawnCount = drawn;
    }
}

void PaintStoredBearingLines(TForm1& form)
{
    BackCanvas canvas(form);
    canvas.setPen(OverlayPen(UserColour(BearingLineColour), 2));
    canvas.setBrush(Qt::NoBrush);
    for (const StoredBearingLine& line : StoredBearingLines) {
        if (line.origin.x == 0 && line.origin.y == 0)
            continue;
        const auto origin = MainViewPixel(form, line.origin);
        const auto end = MainViewPixel(form, line.end);
        if (!origin || !end)
            continue;
        canvas.drawEllipse(At(*origin), 4, 4);
        canvas.drawLine(At(*origin), At(*end));
    }
}

// The recorded depths of the view as numbers over the chart (the seabed wiring draws them).
void PaintThreeDMarks(TForm1& form)
{
    if (ThreeDAvailable && Down(form.Show2DBtn) && form.ck3DMark->isChecked())
        ExportSeabed(ViewGeoRect, SeabedDrawMode);
}

// Where the name base's mark stands on this chart; the dynamic overlay draws it.
void PlaceNameBaseMark(const TForm1& form)
{
    if (!NameBaseAvailable)
        return;
    if (const auto mark = NameBaseMark()) {
        if (const auto pixel = MainViewPixel(form, *mark))
            FastTick.nameBaseMarkPixel = *pixel;
    }
}

// A cross of +-20 px and a circle of radius 10 at the position the position dialog shows.
void PaintPositionMark(TForm1& form)
{
    if (!Visible(PositionDlg))
        return;
    const auto pixel = MainViewPixel(form, TypedPosition);
    if (!pixel)
        return;
    BackCanvas canvas(form);
    canvas.setPen(OverlayPen(UserColour(PositionMarkColour), 1));
    canvas.setBrush(Qt::NoBrush);
    const QPoint centre = At(*pixel);
    canvas.drawLine(centre - QPoint(20, 0), centre + QPoint(20, 0));
    canvas.drawLine(centre - QPoint(0, 20), centre + QPoint(0, 20));
    canvas.drawEllipse(centre, 10, 10);
}

// The north arrow, the highlighted chart objects and the depth unit in the chart's bottom right.
void PaintChartMarks(TForm1& form)
{
    BackCanvas canvas(form);
    DrawNorthArrow(canvas, form.viewRotation);
    if (form.chartLevel < LightLevelLimit)
        PaintSelectedObjects(form, canvas, ChartLayerTicked(form, LightSectorsItem));
    const std::string unit = DepthUnitText(SetupParameters.DepthFactor);
    canvas.setFont(ChartOverlayFont(SetupParameters.Resolution));
    const QFontMetrics metrics = canvas.fontMetrics();
    const int32_t right = form.ChartBackBitmap.width() - DepthUnitRightMargin;
    const int32_t width = metrics.horizontalAdvance(QString::fromLatin1(unit));
    const int32_t bottom = form.ChartBackBitmap.height() - DepthUnitBottomMargin;
    DrawLabelBox(form, canvas, right - width - 4, unit, form.palette().color(QPalette::Button),
                 bottom - metrics.height());
}

// The chart engine's highlighted shapes while the object inspector or the update window shows
// them, and the update window's move to an update frame.
void PaintViewHighlights(TForm1& form)
{
    if (Visible(CM93Inspector) || Visible(Cm93Update))
        PaintViewShapes(form);
    TakeUpdateFrame(form);
}

}  // namespace

std::string DepthUnitText(float depthFactor)
{
    if (depthFactor == 1.0f)
        return "meter";
    return depthFactor > 1.0f ? "feet" : "fathoms";
}

void PaintChartOverlay(TForm1& form)
{
    if (!StartupDone || !MainMapView || form.MainChartBitmap.isNull())
        return;
    TakeChartPicture(form);
    PaintBorderGraduation(form);
    PaintStoredObjects(form);
    ComputeRouteValues(form);
    PaintRoutes(form);
    PlaceBearingPoints(form);
    PaintDatabaseTrack(form);
    PaintRecordedTrack(form);
    PaintTargetTracks(form);
    PaintStoredBearingLines(form);
    SweepObjects(form, PlainSweep(ObjectType::SYMBOL));
    if (!Down(form.QueryBtn) && PaintOtherDataSets(form))
        DrawSelectedLine(form);
    PaintThreeDMarks(form);
    PlaceNameBaseMark(form);
    PaintPositionMark(form);
    PaintChartMarks(form);
    PaintViewHighlights(form);
}
