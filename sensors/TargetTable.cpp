#include "sensors/TargetTable.h"

std::array<TargetRecord, TargetCount + 1> TargetTable{};

void MarkAllTargetsFree()
{
    for (TargetRecord& record : TargetTable) {
        record.id = -1;
        record.aux = 0;
    }
}
