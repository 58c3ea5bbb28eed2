#include "userdata/ObjectDeletion.h"

#include "userdata/DatabaseReports.h"
#include "userdata/UserDatabase.h"

#include <array>
#include <cstring>
#include <vector>

using namespace platform::isam;

namespace {

// Keys 5 and 7 compare their second segment signed: the lowest key of an id holds this value
// there, so that sequences and kinds from 32768 on, which sort before 0, are deleted too.
constexpr uint16_t LowestSecondSegment = 0x8000;

// Deletes the records of `file` from the key value `lowest` on while they belong to the id
// (points and texts both hold it at byte 2). Each search starts again from `lowest`: a deleted
// record leaves no current record to step on from.
bool DeleteRecordsOf(UserKey key, UserDataFile file, const std::vector<std::byte>& lowest, int32_t id)
{
    std::array<std::byte, sizeof(PointRecord)> head{};
    for (;;) {
        const Status read = CheckRecordStatus("read", file, UserIsam.readGreaterOrEqual(key, lowest, head));
        if (read == Status::NoRecord)
            return true;
        if (read != Status::Ok)
            return false;
        int32_t owner = 0;
        std::memcpy(&owner, head.data() + offsetof(PointRecord, id), sizeof owner);
        if (owner != id)
            return true;
        if (CheckRecordStatus("delete", file, UserIsam.deleteRecord(file)) != Status::Ok)
            return false;
    }
}

}  // namespace

bool DeleteObject(ObjectType type, int32_t id)
{
    static_assert(offsetof(PointRecord, id) == offsetof(InfoRecord, keyId));
    IdRecord object;
    object.objectType = type;
    object.id = id;
    if (CheckRecordStatus("read", IdFile,
                          UserIsam.readEqual(IdTypeKey, UserKeyValue(IdTypeKey, bytesOf(object)), bytesOf(object))) !=
            Status::Ok ||
        CheckRecordStatus("delete", IdFile, UserIsam.deleteRecord(IdFile)) != Status::Ok)
        return false;
    PointRecord point;
    point.id = id;
    point.sequence = LowestSecondSegment;
    InfoRecord info;
    info.keyId = id;
    info.kind = LowestSecondSegment;
    return DeleteRecordsOf(PointKey, PointFile, UserKeyValue(PointKey, bytesOf(point)), id) &&
           DeleteRecordsOf(InfoKey, InfoFile, UserKeyValue(InfoKey, bytesOf(info).first(InfoHeadLength)), id);
}
