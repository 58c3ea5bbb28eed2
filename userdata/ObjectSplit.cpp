#include "userdata/ObjectSplit.h"

#include "userdata/DatabaseReports.h"
#include "userdata/ObjectIds.h"
#include "userdata/PointStore.h"
#include "userdata/UserDatabase.h"

using namespace platform::isam;

namespace {

template <typename Record>
bool ReadKeyed(UserDataFile file, UserKey key, Record& record)
{
    const Status status = UserIsam.readEqual(key, UserKeyValue(key, bytesOf(record)), bytesOf(record));
    if (status != Status::NoRecord)
        CheckRecordStatus("read", file, status);
    return status == Status::Ok;
}

// The points of `from` after sequence `after` go to `to`, numbered from 1.
void MoveFollowingPoints(int32_t from, uint16_t after, int32_t to)
{
    PointRecord point;
    point.id = from;
    point.sequence = after;
    for (uint16_t sequence = 1;; ++sequence) {
        const Status found =
            UserIsam.readGreater(PointKey, UserKeyValue(PointKey, bytesOf(point)), bytesOf(point));
        if (found != Status::Ok || point.id != from) {
            if (found != Status::NoRecord)
                CheckRecordStatus("read", PointFile, found);
            return;
        }
        const uint16_t oldSequence = point.sequence;
        point.id = to;
        point.sequence = sequence;
        if (CheckRecordStatus("rewrite", PointFile, UserIsam.rewriteRecord(PointFile, bytesOf(point))) != Status::Ok)
            return;
        point.id = from;
        point.sequence = oldSequence;
    }
}

}  // namespace

std::optional<int32_t> SplitObjectAtPoint(int32_t id, int32_t pickedIndex)
{
    IdRecord old;
    old.id = id;
    if (pickedIndex < 0 || pickedIndex >= MaxPointSequence || !ReadKeyed(IdFile, IdNumberKey, old))
        return std::nullopt;
    PointRecord cut;
    cut.id = id;
    cut.sequence = uint16_t(pickedIndex + 1);
    if (!ReadKeyed(PointFile, PointKey, cut))
        return std::nullopt;

    IdRecord added = old;
    added.latitude = cut.latitude;
    added.longitude = cut.longitude;
    if (AddNewObject(added, IdRange::Track) != Status::Ok)
        return std::nullopt;

    old.endLatitude = cut.latitude;
    old.endLongitude = cut.longitude;
    old.value = 0;
    old.pointCount = 0;
    IdRecord current = old;
    if (!ReadKeyed(IdFile, IdNumberKey, current) ||
        CheckRecordStatus("rewrite", IdFile, UserIsam.rewriteRecord(IdFile, bytesOf(old))) != Status::Ok) {
        // The old object stays whole: the new one goes again.
        RemoveUnfinishedObject(added.id, 1, 0);
        return std::nullopt;
    }
    MoveFollowingPoints(id, cut.sequence, added.id);
    return added.id;
}
