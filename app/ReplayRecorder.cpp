#include "app/ReplayRecorder.h"

#include "frame/SharedTables.h"
#include "platform/system/DurableAppend.h"
#include "sensors/OwnShipState.h"
#include "sensors/TargetTable.h"
#include "userdata/ReplayFile.h"

#include <algorithm>
#include <cstring>

namespace {

int32_t LastRecordedMinute = -1;
int64_t LastTargetDump = 0;

void Append(std::string& bytes, const ReplayRecord& record)
{
    bytes.append(reinterpret_cast<const char*>(&record), sizeof record);
}

}  // namespace

std::string ReplayFrame()
{
    const ClockRecord& clock = *ClockTime;
    if (clock.minute == LastRecordedMinute || OwnShip.antennaPosition.y == 0)
        return {};
    LastRecordedMinute = clock.minute;
    const uint16_t minute = uint16_t(clock.hour * 60 + clock.minute);
    std::string bytes;
    Append(bytes, {minute, ReplayOwnShipId, OwnShip.antennaPosition.x, OwnShip.antennaPosition.y,
                   ReplayTenths(OwnShip.speedOverGround), ReplayTenths(OwnShip.courseOverGround),
                   ReplayTenths(OwnShip.heading)});
    const auto occupied = std::count_if(TargetTable.begin(), TargetTable.begin() + TargetCount,
                                        [](const TargetRecord& target) { return target.id != -1; });
    if (occupied >= ClockSeconds - LastTargetDump)
        return bytes;
    LastTargetDump = ClockSeconds;
    for (int32_t i = 0; i < TargetCount; ++i) {
        const TargetRecord& t = TargetTable[size_t(i)];
        if (t.id != -1)
            Append(bytes, {minute, uint32_t(t.id), t.positionX, t.positionY, ReplayTenths(t.speed),
                           ReplayTenths(t.course), t.dynamic.trueHeading});
    }
    return bytes;
}

void RecordReplayFrame()
{
    const std::string bytes = ReplayFrame();
    if (bytes.empty())
        return;
    const ClockRecord& clock = *ClockTime;
    const std::string name = ReplayFileName(clock.year, clock.month + 1, clock.dayOfMonth);
    platform::AppendDurably(DataPaths[DataPathReplay] / name, bytes, {sizeof(ReplayRecord)});
}

void ResetReplayRecorder()
{
    LastRecordedMinute = -1;
    LastTargetDump = 0;
}
