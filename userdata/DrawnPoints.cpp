#include "userdata/DrawnPoints.h"

#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "userdata/ObjectDialogHooks.h"
#include "userdata/ObjectIds.h"
#include "userdata/PointStore.h"
#include "userdata/RouteTable.h"
#include "userdata/StoredPosition.h"
#include "userdata/TQueryDlg.h"

#include <mutex>

using platform::isam::Status;

namespace {

constexpr int32_t PolylineKind = 1;

// The object of the first point, which becomes the route or line being drawn; its id, 0 when it
// could not be stored.
int32_t NewDrawnObject(bool route, bool pattern, const PointRecord& first)
{
    const std::optional<IdRecord> record =
        AddDrawnObject(route ? ObjectType::ROUTE : ObjectType::LINE, first.latitude, first.longitude, first.time,
                       pattern ? SarObjectName : "");
    if (!record)
        return 0;
    if (route) {
        const std::lock_guard lock(ComOutStateLock);
        RouteId = record->id;
    } else if (ObjectDialogHook.setLineId) {
        ObjectDialogHook.setLineId(record->id);
    }
    if (RouteId != RouteNotStored)
        OfferForNaming(*record);
    return record->id;
}

void FillRouteEntry(int32_t pointNumber, const cmgbase::GeoPoint& position)
{
    const std::lock_guard lock(ComOutStateLock);
    WP_typ& entry = RouteTable[size_t(pointNumber - 1)];
    entry.position = position;
    entry.objectId = uint32_t(RouteId);
    entry.sequence = uint16_t(pointNumber);
    entry.pointFlag = 1;
    WaypointCount = pointNumber;
}

}  // namespace

std::optional<IdRecord> AddDrawnObject(ObjectType type, int32_t latitude, int32_t longitude, uint32_t time,
                                       std::string_view name)
{
    const bool route = type == ObjectType::ROUTE;
    IdRecord record;
    record.objectType = type;
    record.latitude = latitude;
    record.longitude = longitude;
    record.time = time;
    record.colour = route ? DrawnRouteColour : SetupParameters.LineColour;
    SetFixedText(record.name, name);
    if (AddNewObject(record, route ? IdRange::Route : IdRange::Line) != Status::Ok)
        return std::nullopt;
    return record;
}

void PutRouteDefaults(PointRecord& point)
{
    point.attributes[RoutePointWord::TurnRadius] = uint16_t(SetupParameters.DefaultTurnRadius);
    point.attributes[RoutePointWord::DefaultLane] = uint16_t(SetupParameters.DefaultLane);
    point.attributes[RoutePointWord::DefaultSpeed] = uint16_t(SetupParameters.DefaultRouteSpeed);
    point.attributes[RoutePointWord::SafetyDepth] = uint16_t(SetupParameters.SafetyContour);
}

bool AddSarObject(int32_t kind, int32_t pointNumber, const cmgbase::GeoPoint& position)
{
    const bool pattern = kind > SarKindOffset;
    const bool route = (pattern ? kind - SarKindOffset : kind) == DrawnRouteKind;
    const int32_t lastPoint = route ? MaxRouteWaypoints : MaxPointSequence;
    if (pointNumber < 1 || pointNumber > lastPoint)
        return false;

    PointRecord point;
    point.sequence = uint16_t(pointNumber);
    point.latitude = StoredFromChart(position.y);
    point.longitude = StoredFromChart(position.x);
    point.time = StoredTime(ClockSeconds);
    if (route) {
        point.attributes[RoutePointWord::DangerFlags] = RouteTable[size_t(pointNumber - 1)].dangerFlags;
        if (pointNumber == 1)
            PutRouteDefaults(point);
    } else if (!pattern && SetupParameters.LineKind == PolylineKind) {
        point.attributes[LinePointWord::Polygon] = LinePointWord::PolygonMark;
    }

    if (pointNumber == 1) {
        point.id = NewDrawnObject(route, pattern, point);
        if (point.id == 0)
            return false;
    } else {
        if (QueryDlg && QueryDlg->isVisible())
            QueryDlg->hide();
        point.id = route ? RouteId : (ObjectDialogHook.lineId ? ObjectDialogHook.lineId() : 0);
        if (point.id == 0)
            return false;
    }
    if (AddObjectPoint(point) == PointStore::Failed)
        return false;
    if (route)
        FillRouteEntry(pointNumber, position);
    return true;
}
