#include "userdata/InfoTexts.h"

#include "userdata/DatabaseReports.h"
#include "userdata/UserDatabase.h"

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
