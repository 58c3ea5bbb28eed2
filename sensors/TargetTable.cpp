#include "sensors/TargetTable.h"

#include "sensors/SensorHooks.h"

std::array<TargetRecord, TargetCount + 1> TargetTable{};

void MarkAllTargetsFree()
{
    for (TargetRecord& record : TargetTable) {
        record.id = -1;
        record.aux = 0;
    }
}

int32_t UpdateTargetTable(int port, int kind)
{
    return SensorHook.updateTargetTable ? SensorHook.updateTargetTable(port, kind) : 0;
}
