#include "app/ObjectSweep.h"

#include "app/BackCanvas.h"
#include "app/ChartCursor.h"
#include "app/EditingState.h"
#include "app/GuardZones.h"
#include "app/ObjectCodes.h"
#include "app/ObjectLabelDrawing.h"
#include "app/ObjectLoad.h"
#include "app/TForm1.h"
#include "chart/ChartRedraw.h"
#include "chart/OverlayPrimitives.h"
#include "frame/SetupParameters.h"
#include "platform/system/MessageBox.h"
#include "userdata/DatabaseReports.h"
#include "userdata/DisplayFilter.h"
#include "userdata/ObjectDeletion.h"
#include "userdata/ObjectSelection.h"
#include "userdata/RouteLoad.h"
#include "userdata/RouteTable.h"
#include "userdata/StoredPosition.h"
#include "userdata/TDbObj.h"
#include "userdata/TrackState.h"
#include "userdata/UserDatabase.h"

#include <QToolButton>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

using namespace platform::isam;

bool ObjectFound = false;
IdRecord FoundObjectRecord;
int32_t FoundObjectPoint = -1;

namespace {

// Below this chart level only the tracks and symbols inside the visible chart are walked.
constexpr int32_t LevelOfEveryObject = 17;
constexpr int32_t LabelOffsetX = 10;
constexpr int32_t LabelOffsetY = -7;

// How the walk goes on after an object.
enum class Walk { On, End };

bool Down(const QAbstractButton* button)
{
    return button && button->isChecked();
}

bool TypeSwept(const TForm1& form, int32_t type)
{
    switch (ObjectType(type)) {
    case ObjectType::TRACK:
        return Down(form.TrackBtn);
    case ObjectType::ROUTE:
        return true;
    case ObjectType::LINE:
    case ObjectType::SYMBOL:
    case ObjectType::ZONE:
    case ObjectType::FIELD:
        return Down(form.SymbolBtn);
    }
    return false;
}

// The first reference position inside the visible chart, the area widened after each redraw;
// an area across the date line runs from its west edge east to its east edge.
bool InsideVisibleChart(const IdRecord& object)
{
    const DegreeRect& area = ViewRectDegrees;
    const int32_t longitude = object.longitude;
    const bool east = area.west <= area.east ? longitude >= area.west && longitude <= area.east
                                             : longitude >= area.west || longitude <= area.east;
    return east && object.latitude >= area.south && object.latitude <= area.north;
}

// One sweep: its code, whether its picks act, and what it met.
class Sweep {
public:
    Sweep(TForm1& form, int32_t code, bool act)
        : form_(form), code_(code), split_(SplitObjectCode(code)), act_(act),
          listing_(!split_.pick() && ObjectSelectionMode == split_.type)
    {
    }

    void run();

private:
    Walk visit(const IdRecord& object);
    Walk visitTrack(const IdRecord& object);
    Walk visitRoute(const IdRecord& object);
    Walk visitLine(const IdRecord& object);
    Walk visitShape(const IdRecord& object);
    Walk load(const IdRecord& object, int32_t code);
    void repair(const IdRecord& object, const LoadedObject& loaded);
    void found(const IdRecord& object, int32_t distance, int32_t point);
    void showRemoved() const;

    TForm1& form_;
    const int32_t code_;
    const ObjectCode split_;
    const bool act_;
    // A drawing sweep of the type the object dialog lists hands it every object it reaches.
    const bool listing_;
    int32_t nearest_ = std::numeric_limits<int32_t>::max();
    int32_t removed_ = 0;
    // Symbols, zones and fields are drawn here, all on one canvas; tracks, routes and lines by
    // their loads.
    std::optional<BackCanvas> canvas_;
};

void Sweep::run()
{
    ObjectFound = false;
    FoundObjectPoint = -1;
    IdRecord record;
    record.objectType = ObjectType(split_.type);
    record.id = split_.edit && split_.type == int32_t(ObjectType::ROUTE) && !SecondRoute ? RouteId : 0;
    Status status = UserIsam.readGreaterOrEqual(IdTypeKey, UserKeyValue(IdTypeKey, bytesOf(record)), bytesOf(record));
    while (status == Status::Ok && int32_t(record.objectType) == split_.type) {
        const IdRecord object = record;
        if (visit(object) == Walk::End)
            break;
        // From the key of the object: it may be gone, and the loads read other records.
        status = UserIsam.readGreater(IdTypeKey, UserKeyValue(IdTypeKey, bytesOf(object)), bytesOf(record));
    }
    CheckRecordStatus("read", IdFile, status);
    if (listing_)
        ObjectSelectionMode = ObjectListFilled + split_.type;
    canvas_.reset();  // the box below lets the ticks paint meanwhile
    showRemoved();
}

Walk Sweep::visit(const IdRecord& object)
{
    const ObjectType type = object.objectType;
    if ((type == ObjectType::TRACK || type == ObjectType::SYMBOL) && form_.chartLevel < LevelOfEveryObject &&
        !InsideVisibleChart(object))
        return Walk::On;
    if (!split_.pick() && object.colour == 0) {
        // Drawn in no colour: nobody could ever see or pick it.
        if (DeleteObject(type, object.id))
            ++removed_;
        return Walk::On;
    }
    if (listing_ && DbObj)
        DbObj->AddObject(object);
    switch (type) {
    case ObjectType::TRACK:
        return visitTrack(object);
    case ObjectType::ROUTE:
        return visitRoute(object);
    case ObjectType::LINE:
        return visitLine(object);
    default:
        return visitShape(object);
    }
}

// A track, route or line loaded under `code`: a pick found is kept, a stale record repaired; a
// delete pick ends the walk at the object it picked.
Walk Sweep::load(const IdRecord& object, int32_t code)
{
    const LoadedObject loaded = LoadStoredObject(form_, code, object, act_);
    if (loaded.hit)
        found(object, ObjectPick.distance, ObjectPick.ordinal);
    repair(object, loaded);
    return loaded.hit && split_.remove ? Walk::End : Walk::On;
}

// Filtered sweeps and picks to delete or edit take the tracks the track filter shows; the others
// every track.
Walk Sweep::visitTrack(const IdRecord& object)
{
    int32_t code = code_;
    if (code_ == PlainSweep(ObjectType::TRACK) || code_ > 300) {
        if (!ObjectDisplayed(object))
            return Walk::On;
        if (code_ == PlainSweep(ObjectType::TRACK))
            code = int32_t(ObjectType::TRACK);
    }
    return load(object, code);
}

// A pick of a waypoint takes the route reached, unless it is the route in the table while that
// is not merely shown, and ends there unless a second route is being added.
Walk Sweep::visitRoute(const IdRecord& object)
{
    if (split_.edit) {
        const bool editedRoute = object.id == RouteId && RouteEditMode != RouteShown;
        if (!editedRoute)
            load(object, code_);
        return SecondRoute ? Walk::On : Walk::End;
    }
    return load(object, code_);
}

// Lines, while lines are shown: those the filter shows, the selected line and every guard zone.
Walk Sweep::visitLine(const IdRecord& object)
{
    if (!SetupParameters.FilterLines)
        return Walk::On;
    const bool selected = LineId != 0 && object.id == LineId;
    if (!ObjectDisplayed(object) && !selected && object.colour != GuardZoneColour)
        return Walk::On;
    return load(object, code_ == PlainSweep(ObjectType::LINE) ? int32_t(ObjectType::LINE) : code_);
}

// Symbols (while symbols are shown) as their icon, zones and fields (while lines are shown) as
// their shape, each with its label; a pick to delete or edit takes the first one within reach of
// the pointer.
Walk Sweep::visitShape(const IdRecord& object)
{
    const ObjectType type = object.objectType;
    const bool shown = type == ObjectType::SYMBOL ? SetupParameters.FilterSymbols : SetupParameters.FilterLines;
    if (!shown || !ObjectDisplayed(object))
        return Walk::On;
    const cmgbase::GeoPoint start{ChartFromStored(object.longitude), ChartFromStored(object.latitude)};
    const auto pixel = MainViewPixel(form_, start);
    if (!pixel)
        return Walk::On;
    if (!split_.pick()) {
        if (!canvas_)
            canvas_.emplace(form_);
        BackCanvas& canvas = *canvas_;
        if (type == ObjectType::SYMBOL) {
            DrawMaskedIcon(form_, canvas, object.pointCount, object.colour, pixel->x, pixel->y);
        } else {
            const cmgbase::GeoPoint end{ChartFromStored(object.endLongitude), ChartFromStored(object.endLatitude)};
            const bool edited = LineId != 0 && object.id == LineId && LineEditPhase > 0;
            DrawUserLineSegment(form_, canvas, start, object.colour, edited ? int32_t(ObjectType::ZONE) : int32_t(type),
                                end);
        }
        DrawObjectLabel(form_, canvas, object, pixel->x + LabelOffsetX, pixel->y + LabelOffsetY, -1);
        return Walk::On;
    }
    const int64_t distance =
        std::max(std::abs(int64_t(pixel->x) - CursorPixel.x), std::abs(int64_t(pixel->y) - CursorPixel.y));
    if (!(split_.remove || split_.edit) || distance > PickReach)
        return Walk::On;
    found(object, int32_t(distance), -1);
    if (act_ && split_.remove)
        DeleteObject(type, object.id);
    else if (act_)
        IdShownBuffer = object;
    return Walk::End;
}

// A track, route or line drawn after reading all its points, whose stored point count differs
// from the points read or which has points but no length, gets both anew; one read with fewer
// than two points is deleted. Not the track being recorded, nor anything while a route is drawn
// or the line being edited, whose points are still coming.
void Sweep::repair(const IdRecord& object, const LoadedObject& loaded)
{
    if (split_.pick() || loaded.pointsRead < 0 || !loaded.complete || loaded.deleted)
        return;
    if ((object.objectType == ObjectType::TRACK && DatabaseTrackId != 0 && object.id == DatabaseTrackId) ||
        RouteEditMode == RouteDrawing || (object.objectType == ObjectType::LINE && LineId != 0 &&
                                          object.id == LineId && LineEditPhase > 0))
        return;
    if (loaded.pointsRead == object.pointCount && !(loaded.pointsRead > 0 && object.value == 0))
        return;
    if (loaded.pointsRead < 2) {
        DeleteObject(object.objectType, object.id);
        return;
    }
    IdRecord repaired = object;
    repaired.pointCount = uint16_t(std::min<int32_t>(loaded.pointsRead, std::numeric_limits<uint16_t>::max()));
    const double tenths = std::round(loaded.length * 10.0);
    if (tenths > 0.0)
        repaired.value = uint16_t(std::min<double>(tenths, std::numeric_limits<uint16_t>::max()));
    IdRecord stored = object;
    if (CheckRecordStatus("read", IdFile,
                          UserIsam.readEqual(IdTypeKey, UserKeyValue(IdTypeKey, bytesOf(stored)), bytesOf(stored))) ==
        Status::Ok)
        CheckRecordStatus("rewrite", IdFile, UserIsam.rewriteRecord(IdFile, bytesOf(repaired)));
}

void Sweep::found(const IdRecord& object, int32_t distance, int32_t point)
{
    if (distance >= nearest_)
        return;
    nearest_ = distance;
    ObjectFound = true;
    FoundObjectRecord = object;
    FoundObjectPoint = point;
}

void Sweep::showRemoved() const
{
    if (removed_ == 0)
        return;
    char text[64];
    std::snprintf(text, sizeof text, "%d invicible objects removed", int(removed_));
    platform::MessageBoxRequest box;
    box.owner = &form_;
    box.text = text;
    box.caption = "Database";
    box.icon = platform::MsgIcon::Exclamation;
    box.taskModal = true;
    box.topMost = true;
    platform::ShowMessageBox(box);
}

bool RunSweep(TForm1& form, int32_t code, bool act)
{
    const ObjectCode split = SplitObjectCode(code);
    if (!UserIsam.isStarted() || !TypeSwept(form, split.type)) {
        ObjectFound = false;
        return false;
    }
    Sweep(form, code, act).run();
    return ObjectFound;
}

}  // namespace

bool SweepObjects(TForm1& form, int32_t code)
{
    return RunSweep(form, code, true);
}

std::optional<IdRecord> HoverObject(TForm1& form, ObjectType type)
{
    if (!RunSweep(form, 200 + int32_t(type), false))
        return std::nullopt;
    return FoundObjectRecord;
}
