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
