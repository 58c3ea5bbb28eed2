#include "userdata/AisStaticStore.h"

#include "userdata/DatabaseReports.h"
#include "userdata/UserDatabase.h"

using namespace platform::isam;

namespace {

bool AisFileOpen()
{
    return UserIsam.fileMode(AisFile).has_value();
}

Status ReadByMmsi(uint32_t mmsi, AisStaticRecord& record)
{
    AisStaticRecord probe;
    probe.mmsi = mmsi;
    return CheckRecordStatus("read", AisFile,
                             UserIsam.readEqual(AisMmsiKey, UserKeyValue(AisMmsiKey, bytesOf(probe)),
                                                bytesOf(record)));
}

Status ReadByKey(UserKey key, const AisStaticRecord& probe, AisSeekDirection direction, AisStaticRecord& record)
{
    const std::vector<std::byte> value = UserKeyValue(key, bytesOf(probe));
    const Status status = direction == AisSeekDirection::Up ? UserIsam.readGreater(key, value, bytesOf(record))
                                                            : UserIsam.readLess(key, value, bytesOf(record));
    return CheckRecordStatus("read", AisFile, status);
}

}  // namespace

Status ReadAisStatic(uint32_t mmsi, AisStaticRecord& record)
{
    if (!AisFileOpen())
        return Status::BadFileNumber;
    return ReadByMmsi(mmsi, record);
}

Status WriteAisStatic(const AisStaticRecord& record)
{
    if (!AisFileOpen())
        return Status::BadFileNumber;
    AisStaticRecord stored;
    const Status found = ReadByMmsi(record.mmsi, stored);
    if (found == Status::Ok)
        return CheckRecordStatus("rewrite", AisFile, UserIsam.rewriteRecord(AisFile, bytesOf(record)));
    if (found != Status::NoRecord)
        return found;
    const Status added = UserIsam.addRecord(AisFile, bytesOf(record));
    if (added == Status::KeyExists)
        ReportRecordFailure({"add", AisFile, added});
    return CheckRecordStatus("add", AisFile, added);
}

Status SeekAisStatic(UserKey key, const AisStaticRecord& probe, AisSeekDirection direction, AisStaticRecord& record)
{
    if (!AisFileOpen())
        return Status::BadFileNumber;
    return ReadByKey(key, probe, direction, record);
}

Status StepAisStatic(UserKey key, uint32_t mmsi, AisSeekDirection direction, AisStaticRecord& record)
{
    if (!AisFileOpen())
        return Status::BadFileNumber;
    AisStaticRecord found;
    const Status exact = ReadByMmsi(mmsi, found);
    if (exact == Status::NoRecord) {
        AisStaticRecord probe;
        probe.mmsi = mmsi;
        return ReadByKey(AisMmsiKey, probe, AisSeekDirection::Up, record);
    }
    if (exact != Status::Ok)
        return exact;
    const Status status = direction == AisSeekDirection::Up ? UserIsam.readNext(key, bytesOf(record))
                                                            : UserIsam.readPrevious(key, bytesOf(record));
    return CheckRecordStatus("read", AisFile, status);
}
