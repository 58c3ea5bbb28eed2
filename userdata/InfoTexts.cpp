#include "userdata/InfoTexts.h"

#include "userdata/DatabaseReports.h"
#include "userdata/UserDatabase.h"

#include <memory>

using namespace platform::isam;

Status AddAisTextMessage(uint32_t time, std::string_view text)
{
    InfoRecord record;
    record.keyId = static_cast<int32_t>(time);
    const uint32_t length = SetInfoText(record, text);
    for (uint16_t kind = 0; kind < MaxAisMessagesPerSecond; ++kind) {
        record.kind = kind;
        const Status status = UserIsam.addRecord(InfoFile, bytesOf(record).first(length));
        if (status != Status::KeyExists)
            return CheckRecordStatus("add", InfoFile, status);
    }
    ReportRecordFailure({"add", InfoFile, Status::KeyExists});
    return Status::KeyExists;
}

std::vector<std::string> ReadAisTextMessages(uint32_t now)
{
    std::vector<std::string> messages;
    auto record = std::make_unique<InfoRecord>();
    record->keyId = static_cast<int32_t>(now + 1);
    record->kind = 0;
    const int64_t oldest = int64_t(now) - AisMessageKeepSeconds;
    Status status = UserIsam.readLess(InfoKey, UserKeyValue(InfoKey, bytesOf(*record)), bytesOf(*record));
    while (status == Status::Ok && record->keyId > AisMessageIdsAbove) {
        if (uint32_t(record->keyId) < oldest)
            CheckRecordStatus("delete", InfoFile, UserIsam.deleteRecord(InfoFile));
        else
            messages.push_back(InfoText(*record, UserIsam.currentRecordLength(InfoFile)));
        status = UserIsam.readPrevious(InfoKey, bytesOf(*record));
    }
    CheckRecordStatus("read", InfoFile, status);
    return messages;
}

std::optional<std::string> ReadObjectText(int32_t id, uint16_t kind)
{
    auto record = std::make_unique<InfoRecord>();
    record->keyId = id;
    record->kind = kind;
    const Status status = CheckRecordStatus(
        "read", InfoFile,
        UserIsam.readEqual(InfoKey, UserKeyValue(InfoKey, bytesOf(*record)), bytesOf(*record)));
    if (status != Status::Ok)
        return std::nullopt;
    return InfoText(*record, UserIsam.currentRecordLength(InfoFile));
}

Status WriteObjectText(int32_t id, uint16_t kind, std::string_view text)
{
    auto record = std::make_unique<InfoRecord>();
    record->keyId = id;
    record->kind = kind;
    // The head is enough to find the record and make it current.
    const Status found = CheckRecordStatus(
        "read", InfoFile,
        UserIsam.readEqual(InfoKey, UserKeyValue(InfoKey, bytesOf(*record)),
                           bytesOf(*record).first(InfoHeadLength)));
    if (found != Status::Ok && found != Status::NoRecord)
        return found;
    const bool held = found == Status::Ok;
    if (text.empty())
        return held ? CheckRecordStatus("delete", InfoFile, UserIsam.deleteRecord(InfoFile)) : Status::Ok;
    const auto bytes = bytesOf(*record).first(SetInfoText(*record, text));
    return held ? CheckRecordStatus("rewrite", InfoFile, UserIsam.rewriteRecord(InfoFile, bytes))
                : CheckRecordStatus("add", InfoFile, UserIsam.addRecord(InfoFile, bytes));
}
