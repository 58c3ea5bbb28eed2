#include "userdata/RouteStore.h"

#include "frame/PortSettings.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/system/TextCodec.h"
#include "userdata/DatabaseReports.h"
#include "userdata/InfoTexts.h"
#include "userdata/RouteCellText.h"
#include "userdata/RouteEta.h"
#include "userdata/RouteGrid.h"
#include "userdata/RouteHooks.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteTable.h"
#include "userdata/StoredPosition.h"
#include "userdata/TWpDlg.h"
#include "userdata/UserDatabase.h"

#include <mutex>
#include <string>

using namespace platform::isam;

namespace {

bool Found(Status status)
{
    return status == Status::Ok;
}

// Reads the point (id, sequence) into `record`.
bool ReadPoint(uint32_t id, uint16_t sequence, PointRecord& record)
{
    record = PointRecord();
    record.id = static_cast<int32_t>(id);
    record.sequence = sequence;
    return Found(CheckRecordStatus(
        "read", PointFile,
        UserIsam.readEqual(PointKey, UserKeyValue(PointKey, bytesOf(record)), bytesOf(record))));
}

void RewritePoint(const PointRecord& record)
{
    CheckRecordStatus("rewrite", PointFile, UserIsam.rewriteRecord(PointFile, bytesOf(record)));
}

uint16_t WithLowByte(uint16_t word, uint8_t low)
{
    return static_cast<uint16_t>((word & 0xFF00) | low);
}

// The attributes of the leg that leaves a waypoint.
void PutLegAttributes(PointRecord& record, const WP_typ& entry)
{
    record.attributes[RoutePointWord::Lane] = entry.lane;
    record.attributes[RoutePointWord::Speed] = entry.speed;
    record.attributes[RoutePointWord::LegKind] =
        WithLowByte(record.attributes[RoutePointWord::LegKind], entry.legKind);
    record.attributes[RoutePointWord::DangerFlags] =
        WithLowByte(record.attributes[RoutePointWord::DangerFlags], entry.dangerFlags);
}

// The entry's own point gets its position, turn radius and stop; the leg attributes go to the
// point the leg leaves from: the same point in a forward table, the one before it in stored
// order in a reversed table.
void WriteWaypoint(const WP_typ& entry)
{
    PointRecord record;
    if (!ReadPoint(entry.objectId, entry.sequence, record))
        return;
    const cmgbase::GeoPoint position = entry.position;
    record.latitude = StoredFromChart(position.y);
    record.longitude = StoredFromChart(position.x);
    record.attributes[RoutePointWord::TurnRadius] = entry.turnRadius;
    record.attributes[RoutePointWord::StopMinutes] = static_cast<uint16_t>(entry.stopMinutes);
    if (RouteForward)
        PutLegAttributes(record, entry);
    RewritePoint(record);
    if (RouteForward)
        return;
    const int32_t id = record.id;
    if (Found(UserIsam.readLess(PointKey, UserKeyValue(PointKey, bytesOf(record)),
                                bytesOf(record))) &&
        record.id == id) {
        PutLegAttributes(record, entry);
        RewritePoint(record);
    }
}

// The route defaults in the route's first stored point.
void WriteRouteDefaults()
{
    if (RouteId == 0 || RouteId == RouteNotStored)
        return;
    PointRecord record;
    record.id = RouteId;
    if (!Found(UserIsam.readGreaterOrEqual(PointKey, UserKeyValue(PointKey, bytesOf(record)),
                                           bytesOf(record))) ||
        record.id != RouteId)
        return;
    record.attributes[RoutePointWord::TurnRadius] =
        static_cast<uint16_t>(SetupParameters.DefaultTurnRadius);
    record.attributes[RoutePointWord::DefaultLane] =
        static_cast<uint16_t>(SetupParameters.DefaultLane);
    record.attributes[RoutePointWord::DefaultSpeed] =
        static_cast<uint16_t>(SetupParameters.DefaultRouteSpeed);
    record.attributes[RoutePointWord::SafetyDepth] =
        static_cast<uint16_t>(SetupParameters.SafetyContour);
    RewritePoint(record);
}

// The waypoint's name as the text (route id, sequence) of the info file; an empty name has
// none.
void WriteWaypointName(const WP_typ& entry)
{
    WriteObjectText(static_cast<int32_t>(entry.objectId), entry.sequence, entry.name());
}

// Puts the checked value of the cell into entry `index` (and the dialog's ETA reference);
// false when the text is refused. `named` tells that the entry's name changed.
bool ApplyCell(TWpDlg& dialog, int32_t index, const std::string& text, bool& named)
{
    WP_typ& entry = RouteTable[size_t(index)];
    const std::lock_guard lock(ComOutStateLock);
    switch (dialog.editColumn) {
    case ColLatitude:
        if (const auto y = ParseLatitudeText(text)) {
            entry.position.y = *y;
            return true;
        }
        return false;
    case ColLongitude:
        if (const auto x = ParseLongitudeText(text)) {
            entry.position.x = *x;
            return true;
        }
        return false;
    case ColSpeed:
        if (const auto speed = ParseScaledText(text, 10)) {
            entry.speed = *speed;
            return true;
        }
        return false;
    case ColLane:
        if (const auto lane = ParseScaledText(text, 100)) {
            entry.lane = *lane;
            return true;
        }
        return false;
    case ColRadius:
        if (const auto radius = ParseScaledText(text, 100)) {
            entry.turnRadius = *radius;
            return true;
        }
        return false;
    case ColStop:
        if (const auto stop = ParseStopText(text)) {
            entry.stopMinutes = *stop;
            return true;
        }
        return false;
    case ColEta: {
        const auto typed = ParseEtaText(text);
        if (!typed)
            return false;
        if (typed->day == 0) {
            dialog.EtaReferenceRow = -1;
            return true;
        }
        const auto moment = EtaMoment(*typed, ClockSeconds, SetupParameters.EtaZoneHours);
        if (!moment)
            return false;
        dialog.EtaReferenceTime = *moment;
        dialog.EtaReferenceRow = index;
        return true;
    }
    case ColName:
        entry.setName(std::string_view(text).substr(0, InfoTextMaximum));
        named = true;
        return true;
    default:
        return true;  // number, leg kind (toggled in the table already), leg, icon
    }
}

void RequestRedraw()
{
    if (RouteHook.requestRedraw)
        RouteHook.requestRedraw();
}

void DrawLeg(int32_t leg)
{
    if (RouteHook.drawRouteLeg)
        RouteHook.drawRouteLeg(leg);
}

}  // namespace

void StoreRouteToDatabase(TWpDlg& dialog)
{
    const bool defaultsCommit = dialog.defaultsChanged;
    if (defaultsCommit) {
        dialog.defaultsChanged = false;
        dialog.editColumn = ColNumber;
        dialog.editRow = 0;
    } else if (!dialog.editPending) {
        return;
    }
    dialog.editPending = false;

    const bool drawing = RouteEditMode == RouteDrawing;
    const bool temporary = SetupParameters.RouteChangesTemporary != 0;
    const int32_t index = dialog.editRow;
    const int32_t count = RouteEntryCount();
    bool named = false;
    if (index < 0 || index > count || (index == count && !drawing) ||
        !ApplyCell(dialog, index, platform::ToCp1252(dialog.editText), named)) {
        RecalcRouteTable(dialog);
        return;
    }

    const WP_typ& entry = RouteTable[size_t(index)];
    if (dialog.editColumn == ColStop) {
        const int32_t nextStop = NextActiveWaypoint();
        if (nextStop != NextStopWaypoint) {
            NextStopWaypoint = nextStop;
            RequestRedraw();
        }
    }
    const cmgbase::GeoPoint position = entry.position;
    if (!temporary) {
        if (defaultsCommit) {
            WriteRouteDefaults();
        } else if (entry.isStoredPoint()) {
            if (named)
                WriteWaypointName(entry);
            if (position != cmgbase::GeoPoint{})
                WriteWaypoint(entry);
        } else if (drawing && index == count && position != cmgbase::GeoPoint{} &&
                   count < MaxRouteWaypoints && RouteHook.addDrawnRoutePoint) {
            RouteHook.addDrawnRoutePoint(position);
        }
    }

    if (drawing) {
        const int32_t scratch = RouteEntryCount();
        {
            const std::lock_guard lock(ComOutStateLock);
            RouteTable[size_t(scratch)] = WP_typ();
        }
        FillRouteGridRow(dialog, scratch);
        if (index == scratch - 1 && index > 0 && RouteHook.setCursorChartPoint)
            RouteHook.setCursorChartPoint(RouteTable[size_t(index) - 1].position);
    }
    for (int32_t n : {index - 1, index})
        ComputeRouteLeg(n);
    for (int32_t n : {index - 1, index})
        ComputeWaypointTurn(n);
    if (index > 0)
        DrawLeg(index - 1);
    if (!drawing && index + 1 < RouteEntryCount())
        DrawLeg(index);
    RequestRedraw();
    RecalcRouteTable(dialog);
}

void RecalcRouteTable(TWpDlg& dialog)
{
    if (RouteEditMode == 0 || RouteId == 0)
        return;
    if (dialog.defaultsChanged)
        StoreRouteToDatabase(dialog);
    WriteRouteGrid(dialog);
}
