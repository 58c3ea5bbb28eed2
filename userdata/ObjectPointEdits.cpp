#include "userdata/ObjectPointEdits.h"

#include "frame/PortSettings.h"
#include "frame/SharedTables.h"
#include "userdata/DatabaseReports.h"
#include "userdata/InfoTexts.h"
#include "userdata/ObjectPoints.h"
#include "userdata/PointStore.h"
#include "userdata/RouteLegs.h"
#include "userdata/RouteTable.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserDatabase.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <vector>

using namespace platform::isam;

namespace {

enum class Near { Equal, Less, LessOrEqual, Greater };

// Reads the point of object `id` found from (id, sequence) as `how` says; false when there is
// none of that object.
bool ReadPoint(Near how, int32_t id, int32_t sequence, PointRecord& record)
{
    record = PointRecord();
    record.id = id;
    record.sequence = static_cast<uint16_t>(sequence);
    const std::vector<std::byte> key = UserKeyValue(PointKey, bytesOf(record));
    Status status = Status::NoRecord;
    switch (how) {
    case Near::Equal:
        status = UserIsam.readEqual(PointKey, key, bytesOf(record));
        break;
    case Near::Less:
        status = UserIsam.readLess(PointKey, key, bytesOf(record));
        break;
    case Near::LessOrEqual:
        status = UserIsam.readLessOrEqual(PointKey, key, bytesOf(record));
        break;
    case Near::Greater:
        status = UserIsam.readGreater(PointKey, key, bytesOf(record));
        break;
    }
    return CheckRecordStatus("read", PointFile, status) == Status::Ok && record.id == id;
}

// Gives the point just read a new sequence number, its name moving along.
bool Renumber(PointRecord& point, int32_t sequence)
{
    const uint16_t old = point.sequence;
    point.sequence = static_cast<uint16_t>(sequence);
    if (CheckRecordStatus("rewrite", PointFile, UserIsam.rewriteRecord(PointFile, bytesOf(point))) !=
        Status::Ok)
        return false;
    MoveInfoRecord(point.id, old, sequence);
    return true;
}

// The words of a route point that belong to that point alone (or to the whole route, in the
// first point), not to the leg leaving it.
void ClearPointOwnWords(PointRecord& point)
{
    for (const int word : {RoutePointWord::SafetyDepth, RoutePointWord::StopMinutes, RoutePointWord::TurnRadius,
                           RoutePointWord::DefaultLane, RoutePointWord::DefaultSpeed})
        point.attributes[word] = 0;
}

// Inserts a point after sequence k: the points above k move up one, from the last down. The
// new point takes the attribute words of point k (the leg it divides; a line's polygon mark),
// for a route without the words of point k itself.
bool InsertStoredPoint(int32_t id, int32_t k, const cmgbase::GeoPoint& position, bool route)
{
    PointRecord point;
    if (k < 0 || (k > 0 && !ReadPoint(Near::Equal, id, k, point)))
        return false;
    // Read last, so that the record to renumber first is the current one.
    PointRecord last;
    const bool any = ReadPoint(Near::LessOrEqual, id, MaxPointSequence, last);
    if (any && last.sequence >= MaxPointSequence)
        return false;

    PointRecord moving = last;
    for (bool found = any; found && moving.sequence > k;) {
        const int32_t old = moving.sequence;
        if (!Renumber(moving, old + 1))
            return false;
        found = ReadPoint(Near::Less, id, old, moving);
    }

    point.id = id;
    point.sequence = static_cast<uint16_t>(k + 1);
    point.latitude = StoredFromChart(position.y);
    point.longitude = StoredFromChart(position.x);
    point.time = StoredTime(ClockSeconds);
    if (route)
        ClearPointOwnWords(point);
    return AddObjectPoint(point) != PointStore::Failed;
}

// Deletes point k with its name; the points above it move down one.
bool DeleteStoredPoint(int32_t id, int32_t k)
{
    PointRecord point;
    if (!ReadPoint(Near::Equal, id, k, point) ||
        CheckRecordStatus("delete", PointFile, UserIsam.deleteRecord(PointFile)) != Status::Ok)
        return false;
    MoveInfoRecord(id, static_cast<uint16_t>(k), -1);
    for (int32_t below = k; ReadPoint(Near::Greater, id, below, point);) {
        const int32_t old = point.sequence;
        if (!Renumber(point, old - 1))
            break;
        below = old - 1;
    }
    return true;
}

bool TableHoldsRoute(int32_t id)
{
    return id != 0 && id == RouteId && RouteId != RouteNotStored;
}

// The table's entries of route `id` above sequence k follow its points; the caller holds the
// lock.
void RenumberEntries(int32_t id, int32_t k, int32_t step, int32_t skipped)
{
    const int32_t count = RouteEntryCount();
    for (int32_t i = 0; i < count; ++i) {
        WP_typ& entry = RouteTable[size_t(i)];
        if (i != skipped && entry.objectId == uint32_t(id) && entry.sequence > k)
            entry.sequence = static_cast<uint16_t>(entry.sequence + step);
    }
}

bool InsertRouteWaypoint(int32_t id, int32_t n, const cmgbase::GeoPoint& position)
{
    if (n < 1 || n >= RouteEntryCount())
        return false;
    const WP_typ& before = RouteTable[size_t(n) - 1];
    const WP_typ& after = RouteTable[size_t(n)];
    const uint32_t route = uint32_t(id);
    if (!before.isStoredPoint() || !after.isStoredPoint() || before.objectId != route ||
        after.objectId != route || std::abs(int32_t{before.sequence} - int32_t{after.sequence}) != 1)
        return false;
    const int32_t k = std::min(before.sequence, after.sequence);

    WP_typ entry;
    // The position as the stored point holds it, so that the table shows what a reload gives.
    entry.position = cmgbase::GeoPoint{ChartFromStored(StoredFromChart(position.x)),
                                       ChartFromStored(StoredFromChart(position.y))};
    entry.lane = before.lane;
    entry.speed = before.speed;
    entry.legKind = before.legKind;
    entry.dangerFlags = before.dangerFlags;
    entry.pointFlag = RouteForward;
    entry.objectId = route;
    entry.sequence = static_cast<uint16_t>(k + 1);
    if (!InsertRouteEntry(n, entry))
        return false;  // the route is full
    if (!InsertStoredPoint(id, k, position, true)) {
        RemoveRouteEntry(n);
        return false;
    }
    const std::lock_guard lock(ComOutStateLock);
    RenumberEntries(id, k, 1, n);
    if (n < CurrentWaypoint)
        ++CurrentWaypoint;
    if (NextStopWaypoint >= n)
        ++NextStopWaypoint;
    return true;
}

bool DeleteRouteWaypoint(int32_t id, int32_t n)
{
    const int32_t index = n - 1;
    if (index < 0 || index >= RouteEntryCount())
        return false;
    const WP_typ& entry = RouteTable[size_t(index)];
    if (!entry.isStoredPoint() || entry.objectId != uint32_t(id))
        return false;
    const int32_t k = entry.sequence;
    if (!DeleteStoredPoint(id, k))
        return false;
    RemoveRouteEntry(index);
    const bool stopDeleted = NextStopWaypoint == index;
    const std::lock_guard lock(ComOutStateLock);
    RenumberEntries(id, k, -1, -1);
    const int32_t count = RouteEntryCount();
    if (index < CurrentWaypoint)
        --CurrentWaypoint;
    CurrentWaypoint = std::clamp(CurrentWaypoint, int32_t{0}, std::max(count - 1, int32_t{0}));
    if (NextStopWaypoint > index)
        --NextStopWaypoint;
    else if (stopDeleted)
        NextStopWaypoint = NextActiveWaypoint();
    return true;
}

}  // namespace

void MoveInfoRecord(int32_t id, uint16_t kind, int32_t newKind)
{
    auto record = std::make_unique<InfoRecord>();
    record->keyId = id;
    record->kind = kind;
    if (CheckRecordStatus("read", InfoFile,
                          UserIsam.readEqual(InfoKey, UserKeyValue(InfoKey, bytesOf(*record)),
                                             bytesOf(*record))) != Status::Ok)
        return;
    const std::string text = InfoText(*record, UserIsam.currentRecordLength(InfoFile));
    if (CheckRecordStatus("delete", InfoFile, UserIsam.deleteRecord(InfoFile)) != Status::Ok ||
        newKind < 0)
        return;
    WriteObjectText(id, static_cast<uint16_t>(newKind), text);
}

bool UpdateObjectPoints(int32_t id, int32_t n, bool insert, const cmgbase::GeoPoint& position)
{
    bool done = false;
    if (TableHoldsRoute(id))
        done = insert ? InsertRouteWaypoint(id, n, position) : DeleteRouteWaypoint(id, n);
    else
        done = insert ? InsertStoredPoint(id, n, position, false) : DeleteStoredPoint(id, n);
    if (done && TableHoldsRoute(id))
        ComputeRouteLegs();
    return done;
}

bool ChangeObjectPoint(int32_t id, int32_t sequence, const PointChange& change)
{
    PointRecord point;
    if (!ReadPoint(Near::Equal, id, sequence, point))
        return false;
    if (change.position) {
        point.latitude = StoredFromChart(change.position->y);
        point.longitude = StoredFromChart(change.position->x);
    }
    if (change.dangerFlags) {
        const uint16_t word = point.attributes[RoutePointWord::DangerFlags];
        point.attributes[RoutePointWord::DangerFlags] = static_cast<uint16_t>((word & 0xFF00) | *change.dangerFlags);
    }
    return CheckRecordStatus("rewrite", PointFile, UserIsam.rewriteRecord(PointFile, bytesOf(point))) == Status::Ok;
}

SequenceRepair RepairPointSequence(int32_t id)
{
    SequenceRepair repair;
    std::vector<PointRecord> points;
    repair.complete = ReadObjectPoints(id, points);
    if (!repair.complete)
        return repair;
    int32_t expected = 1;
    for (const PointRecord& stored : points) {
        const int32_t sequence = static_cast<int16_t>(stored.sequence);
        if (sequence < 1)
            continue;
        if (sequence != expected) {
            PointRecord point;
            if (!ReadPoint(Near::Equal, id, sequence, point) || !Renumber(point, expected)) {
                repair.complete = false;
                return repair;
            }
            if (repair.firstRepaired == 0)
                repair.firstRepaired = expected;
        }
        ++expected;
    }
    return repair;
}
