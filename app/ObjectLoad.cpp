#include "app/ObjectLoad.h"

#include "app/BackCanvas.h"
#include "app/ChartCursor.h"
#include "app/EditingState.h"
#include "app/ObjectCodes.h"
#include "app/ObjectLabelDrawing.h"
#include "app/RouteWaypoints.h"
#include "app/TForm1.h"
#include "chart/OverlayColours.h"
#include "chart/OverlayPrimitives.h"
#include "frame/PortSettings.h"
#include "frame/RhumbLine.h"
#include "frame/SetupParameters.h"
#include "platform/geodesy/PositionComputation.h"
#include "userdata/DatabaseReports.h"
#include "userdata/ObjectDeletion.h"
#include "userdata/ObjectPoints.h"
#include "userdata/ObjectSelection.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteTable.h"
#include "userdata/StoredPosition.h"
#include "userdata/TListDlg.h"
#include "userdata/TrackState.h"
#include "userdata/UserDatabase.h"

#include <QPolygon>
#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <vector>

ObjectPickState ObjectPick;

namespace {

constexpr int32_t DefaultWidth = 3;
constexpr int32_t NarrowWidth = 2;     // a selected track or line, the track being recorded
constexpr int32_t WideStyle = 3;       // track styles: 1 thin, 2 with depths, 3 wide
constexpr int32_t DepthStyle = 2;
constexpr uint16_t GuardZoneColour = 7;
constexpr int32_t GuardZoneShownColour = 1;
constexpr int32_t GuardZoneWidth = 4;
constexpr int32_t TrackFlagIcon = 15;
constexpr int32_t LegSquareHalf = 3;   // the 6-pixel square at a waypoint of another route
// Labels stand this far right of and above their object's point.
constexpr int32_t LabelOffsetX = 10;
constexpr int32_t LabelOffsetY = -7;

bool Down(const QAbstractButton* button)
{
    return button && button->isChecked();
}

cmgbase::GeoPoint Position(const PointRecord& point)
{
    return {ChartFromStored(point.longitude), ChartFromStored(point.latitude)};
}

// The leg's length in nautical miles: along the great circle after a route point of that leg
// kind, else along the rhumb line.
double LegLength(const PointRecord& from, const PointRecord& to, ObjectType type)
{
    double distance = 0.0;
    const bool greatCircle = type == ObjectType::ROUTE &&
                             uint8_t(std::to_array(from.attributes)[RoutePointWord::LegKind]) == GreatCircleLeg;
    if (greatCircle) {
        if (cmgbase::InvPosComputation(Position(from), Position(to), &distance, nullptr, 0) != 0)
            return 0.0;
        return distance;
    }
    double bearing = 0.0;
    RhumbLineInverse(distance, bearing, Position(to), Position(from));
    return distance;
}

bool CurrentRoute(const IdRecord& object)
{
    return object.objectType == ObjectType::ROUTE && RouteId != 0 && object.id == RouteId;
}

// The pen of an object's line: its user colour 3 pixels wide; the track being recorded in the
// track colour and a selected track narrower unless their style is wide; the selected line 2
// pixels in the line colour; a guard zone (a line of colour 7) 4 pixels in colour 1; a route
// shown while another is drawn or edited in the button face.
QPen ObjectPen(const TForm1& form, const IdRecord& object)
{
    int32_t width = DefaultWidth;
    QColor colour = UserColour(object.colour);
    switch (object.objectType) {
    case ObjectType::TRACK:
        if (DatabaseTrackId != 0 && object.id == DatabaseTrackId) {
            colour = UserColour(SetupParameters.TrackColour);
            if (SetupParameters.TrackMode != WideStyle)
                width = NarrowWidth;
        } else if (IsSelectedTrack(object.id) && SetupParameters.SelectedTrackStyle != WideStyle) {
            width = NarrowWidth;
        }
        break;
    case ObjectType::LINE:
        if (object.colour == GuardZoneColour) {
            colour = UserColour(GuardZoneShownColour);
            width = GuardZoneWidth;
        } else if (LineId != 0 && object.id == LineId) {
            colour = UserColour(SetupParameters.LineColour);
            width = NarrowWidth;
        }
        break;
    case ObjectType::ROUTE:
        if (RouteEditMode >= RouteDrawing && !CurrentRoute(object))
            colour = form.palette().color(QPalette::Button);
        break;
    default:
        break;
    }
    return OverlayPen(colour, width);
}

// Whether the track's points get their depth marks: the track being recorded in track mode 2,
// a selected track in the selected-track style 2.
bool DepthMarked(const IdRecord& object)
{
    if (object.objectType != ObjectType::TRACK)
        return false;
    if (DatabaseTrackId != 0 && object.id == DatabaseTrackId)
        return SetupParameters.TrackMode == DepthStyle;
    return IsSelectedTrack(object.id) && SetupParameters.SelectedTrackStyle == DepthStyle;
}

bool Polygon(const IdRecord& object, const std::vector<PointRecord>& points)
{
    return object.objectType == ObjectType::LINE && !points.empty() &&
           std::to_array(points.front().attributes)[LinePointWord::Polygon] == LinePointWord::PolygonMark;
}

// Another route than the one in the table: a square at each waypoint and an arrow head in the
// middle of each leg, pointing along it.
void DrawRouteMarks(QPainter& canvas, const std::vector<ScreenPoint>& pixels)
{
    for (size_t i = 0; i < pixels.size(); ++i) {
        const ScreenPoint point = pixels[i];
        canvas.drawRect(QRect(point.x - LegSquareHalf, point.y - LegSquareHalf, 2 * LegSquareHalf - 1,
                              2 * LegSquareHalf - 1));
        if (i + 1 == pixels.size())
            break;
        const ScreenPoint next = pixels[i + 1];
        if (next.x == point.x && next.y == point.y)
            continue;
        const double direction = std::atan2(double(next.y) - point.y, double(next.x) - point.x);
        DrawArrowHead(canvas, direction, int32_t((int64_t(point.x) + next.x) / 2), int32_t((int64_t(point.y) + next.y) / 2));
    }
}

void DrawObject(TForm1& form, const IdRecord& object, const std::vector<PointRecord>& points,
                const std::vector<std::optional<ScreenPoint>>& pixels)
{
    const bool lineEdited = object.objectType == ObjectType::LINE && LineId != 0 && object.id == LineId &&
                            LineEditPhase > 0;
    if (lineEdited || (CurrentRoute(object) && RouteEditMode != RouteDrawing))
        return;
    std::vector<ScreenPoint> drawn;
    std::vector<size_t> drawnPoint;
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i]) {
            drawn.push_back(*pixels[i]);
            drawnPoint.push_back(i);
        }
    }
    if (drawn.empty())
        return;
    BackCanvas canvas(form);
    QPen pen = ObjectPen(form, object);
    canvas.setBrush(Qt::NoBrush);
    QPolygon line;
    for (const ScreenPoint& point : drawn)
        line << QPoint(point.x, point.y);
    if (Polygon(object, points)) {
        const bool wide = (LineId != 0 && object.id == LineId) || object.colour == GuardZoneColour;
        if (!wide)
            pen.setWidth(1);
        canvas.setPen(pen);
        canvas.setBrush(QBrush(pen.color(), Qt::BDiagPattern));
        canvas.drawPolygon(line);
        canvas.setBrush(Qt::NoBrush);
    } else {
        canvas.setPen(pen);
        canvas.drawPolyline(line);
    }
    if (object.objectType == ObjectType::ROUTE && !CurrentRoute(object))
        DrawRouteMarks(canvas, drawn);
    if (DepthMarked(object)) {
        for (size_t i = 0; i < drawn.size(); ++i) {
            const uint16_t depth = std::to_array(points[drawnPoint[i]].attributes)[TrackPointWord::Depth];
            DrawDepthMark(form, canvas, depth * 0.1f, drawn[i].x, drawn[i].y);
        }
    }
    const ScreenPoint first = drawn.front();
    if (object.objectType == ObjectType::TRACK && SetupParameters.TrackFlagsShown && drawnPoint.front() == 0)
        DrawMaskedIcon(form, canvas, TrackFlagIcon, object.colour, first.x, first.y);
    if (drawnPoint.front() == 0)
        DrawObjectLabel(form, canvas, object, first.x + LabelOffsetX, first.y + LabelOffsetY, -1);
}

// The route read into the route table, each entry with its main-view pixel.
void LoadRoute(const TForm1& form, const IdRecord& object, const std::vector<PointRecord>& points, bool steps)
{
    AppendStoredRoute(object.id, points, steps);
    const int32_t count = RouteEntryCount();
    for (int32_t i = 0; i < count; ++i) {
        WP_typ& entry = RouteTable[size_t(i)];
        if (const auto pixel = MainViewPixel(form, entry.position))
            entry.screenPoint = *pixel;
    }
}

// What a pick within reach does: 201 shows the track, 202 makes the route the current one, 203
// the line the selected one, 301 and 303 delete the object, 402 picks the waypoint of the route
// table under the pointer; a pick to edit copies the object into the shown-object record.
bool ActOnPick(int32_t code, const IdRecord& object)
{
    switch (code) {
    case 201:
        AddSelectedTrack(object.id);
        break;
    case 202: {
        const std::lock_guard lock(ComOutStateLock);
        RouteId = object.id;
        break;
    }
    case 203:
        LineId = object.id;
        break;
    case 301:
    case 303:
        return true;
    case 402:
        HitTestWaypoint(CursorPixel.x, CursorPixel.y);
        break;
    default:
        break;
    }
    if (SplitObjectCode(code).edit)
        IdShownBuffer = object;
    return false;
}

}  // namespace

LoadedObject LoadStoredObject(TForm1& form, int32_t code, const IdRecord& object, bool act)
{
    LoadedObject loaded;
    ObjectPick = ObjectPickState{};
    bool load = code == RouteLoadCode;
    bool steps = false;
    if (load)
        code = int32_t(ObjectType::ROUTE);
    const ObjectCode split = SplitObjectCode(code);
    if (CurrentRoute(object) && RouteLoadRequest && !split.pick()) {
        load = steps = true;
        RouteLoadRequest = 0;
    }
    const bool tableShown = CurrentRoute(object) && RouteEditMode != 0 && !split.pick();
    std::vector<PointRecord> points;
    if (!tableShown || load || Down(form.QueryBtn) || (ListDlg && ListDlg->isVisible())) {
        loaded.complete = ReadObjectPoints(object.id, points);
        loaded.pointsRead = int32_t(points.size());
    }
    if (load && loaded.complete)
        LoadRoute(form, object, points, steps);
    if (tableShown) {
        BackCanvas canvas(form);
        PaintRouteWaypoints(form, canvas);
        return loaded;
    }

    const bool summed = object.value == 0 && object.objectType >= ObjectType::TRACK &&
                        object.objectType <= ObjectType::LINE;
    std::vector<std::optional<ScreenPoint>> pixels(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        pixels[i] = MainViewPixel(form, Position(points[i]));
        if (summed && i > 0)
            loaded.length += LegLength(points[i - 1], points[i], object.objectType);
        if (!split.pick() || !pixels[i])
            continue;
        const int64_t distance = std::max(std::abs(int64_t(pixels[i]->x) - CursorPixel.x),
                                          std::abs(int64_t(pixels[i]->y) - CursorPixel.y));
        if (distance < ObjectPick.distance)
            ObjectPick = {int32_t(distance), object.id, int32_t(i)};
    }

    if (!split.pick()) {
        DrawObject(form, object, points, pixels);
        return loaded;
    }
    loaded.hit = ObjectPick.distance <= PickReach;
    if (loaded.hit && act && ActOnPick(code, object))
        loaded.deleted = DeleteObject(object.objectType, object.id);
    return loaded;
}

void LoadObject(TForm1& form, int32_t code, int32_t id)
{
    if (!UserIsam.isStarted())
        return;
    IdRecord object;
    object.objectType = ObjectType(code == RouteLoadCode ? int32_t(ObjectType::ROUTE) : SplitObjectCode(code).type);
    object.id = id;
    using platform::isam::Status;
    if (CheckRecordStatus("read", IdFile,
                          UserIsam.readEqual(IdTypeKey, UserKeyValue(IdTypeKey, platform::isam::bytesOf(object)),
                                             platform::isam::bytesOf(object))) == Status::Ok)
        LoadStoredObject(form, code, object);
}
