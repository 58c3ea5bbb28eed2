#include "sensors/AisTextMessages.h"

#include "platform/system/SystemClock.h"
#include "sensors/AisHooks.h"
#include "sensors/AisMessageHeader.h"
#include "sensors/SensorNotices.h"
#include "sensors/SensorSettings.h"
#include "sensors/TargetTable.h"

#include <chrono>
#include <ctime>
#include <string>
#include <utility>

AisHooks AisHook;

namespace {

// The kind of the own AIS record while it stands for a station with a message.
constexpr uint8_t AisMessageKind = 6;

// The live target of station `mmsi`, made an AIS target, or the own AIS record.
int32_t MessageRecord(uint32_t mmsi)
{
    for (int32_t i = 0; i < TargetCount; ++i) {
        TargetRecord& record = TargetTable[size_t(i)];
        if (record.id != -1 && record.dynamic.mmsi == mmsi) {
            record.kind = TargetAisPosition;
            return i;
        }
    }
    TargetTable[size_t(OwnAisRecord)].kind = AisMessageKind;
    return OwnAisRecord;
}

}  // namespace

void ShowAisTextMessage(uint32_t source, uint32_t destination, uint32_t type, const char* text)
{
    const bool addressed = type == 6 || type == 12;
    if (addressed && (destination == 0 || destination != SensorSetup.ownMmsi))
        return;
    const std::time_t now = std::chrono::system_clock::to_time_t(platform::ClockNow());
    AisMessageHeader header;
    localtime_r(&now, &header.time);
    header.mmsi = source;
    header.kind = AisMessageKindLabel(type);
    std::string stored = FormatAisMessageHeader(header) + '\n' + text;
    const int32_t record = MessageRecord(source);
    const bool safety = type == 12 || type == 14;
    const bool show = SensorSetup.aisMessages;
    QueueSensorWork([time = uint32_t(now), stored = std::move(stored), record, safety, show] {
        if (AisHook.storeTextMessage)
            AisHook.storeTextMessage(time, stored);
        if (!show)
            return;
        ShownTarget = record;
        if (AisHook.showTextMessage)
            AisHook.showTextMessage(record, safety);
    });
}
