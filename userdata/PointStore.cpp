#include "userdata/PointStore.h"

#include "userdata/DatabaseReports.h"
#include "userdata/UserDatabase.h"

using namespace platform::isam;

namespace {

void ReportUnlessOk(const char* operation, UserDataFile file, Status status)
{
    if (status != Status::Ok)
        ReportRecordFailure({operation, file, status});
}

// Deletes the record of `file` that `key` finds for the key fields of `probe`; none is no failure.
template <typename Record>
void DeleteKeyed(UserDataFile file, UserKey key, Record probe)
{
    const Status found =
        UserIsam.readEqual(key, UserKeyValue(key, bytesOf(probe)), bytesOf(probe));
    if (found == Status::NoRecord)
        return;
    ReportUnlessOk("read", file, found);
    if (found == Status::Ok)
        ReportUnlessOk("delete", file, UserIsam.deleteRecord(file));
}

}  // namespace

PointStore AddObjectPoint(const PointRecord& point)
{
    PointRecord held = point;
    const Status found =
        UserIsam.readEqual(PointKey, UserKeyValue(PointKey, bytesOf(point)), bytesOf(held));
    if (found == Status::Ok) {
        const Status rewritten = UserIsam.rewriteRecord(PointFile, bytesOf(point));
        ReportUnlessOk("rewrite", PointFile, rewritten);
        return rewritten == Status::Ok ? PointStore::Rewritten : PointStore::Failed;
    }
    if (found != Status::NoRecord) {
        ReportRecordFailure({"read", PointFile, found});
        return PointStore::Failed;
    }
    const Status added = UserIsam.addRecord(PointFile, bytesOf(point));
    ReportUnlessOk("add", PointFile, added);
    return added == Status::Ok ? PointStore::Added : PointStore::Failed;
}

void RemoveUnfinishedObject(int32_t id, uint16_t first, int32_t count)
{
    PointRecord point;
    point.id = id;
    for (int32_t n = 0; n < count; ++n) {
        point.sequence = uint16_t(first + n);
        DeleteKeyed(PointFile, PointKey, point);
    }
    IdRecord object;
    object.id = id;
    DeleteKeyed(IdFile, IdNumberKey, object);
}
