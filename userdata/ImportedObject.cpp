#include "userdata/ImportedObject.h"

#include "userdata/DatabaseReports.h"
#include "userdata/ObjectDeletion.h"
#include "userdata/ObjectIds.h"
#include "userdata/TransferHooks.h"
#include "userdata/UserDatabase.h"

#include <string>

using namespace platform::isam;

int32_t LastImportedId = 0;

bool StoreImportedObject(IdRecord& record)
{
    IdRecord existing;
    const Status found = CheckRecordStatus(
        "read", IdFile, UserIsam.readEqual(IdPositionKey, UserKeyValue(IdPositionKey, bytesOf(record)), bytesOf(existing)));
    if (TransferHook.selectiveDelete && TransferHook.selectiveDelete()) {
        if (found == Status::Ok)
            DeleteObject(existing.objectType, existing.id);
        return false;
    }
    if (found != Status::NoRecord)
        return false;
    const int32_t id = NewObjectId(IdRange::Import);
    if (id == 0)
        return false;
    record.id = id;
    if (CheckRecordStatus("add", IdFile, UserIsam.addRecord(IdFile, bytesOf(record))) != Status::Ok)
        return false;
    LastImportedId = id;
    return true;
}

bool AppendObjectText(int32_t id, std::string_view text)
{
    InfoRecord& info = InfoBuffer;
    info.keyId = id;
    info.kind = 0;
    const std::vector<std::byte> key = UserKeyValue(InfoKey, bytesOf(info).first(InfoHeadLength));
    const Status read = CheckRecordStatus("read", InfoFile, UserIsam.readEqual(InfoKey, key, bytesOf(info)));
    if (read != Status::Ok && read != Status::NoRecord)
        return false;
    std::string whole = read == Status::Ok ? InfoText(info, UserIsam.currentRecordLength(InfoFile)) : std::string();
    whole.append(text);
    info.keyId = id;
    info.kind = 0;
    const uint32_t length = SetInfoText(info, whole);
    const auto record = bytesOf(info).first(length);
    const Status stored = read == Status::Ok ? UserIsam.rewriteRecord(InfoFile, record)
                                             : UserIsam.addRecord(InfoFile, record);
    return CheckRecordStatus(read == Status::Ok ? "rewrite" : "add", InfoFile, stored) == Status::Ok;
}
