#include "app/TargetAgeing.h"

#include "app/ReplayPlayer.h"

#include <algorithm>

namespace {

bool LiesStill(const TargetRecord& target)
{
    const uint8_t status = target.dynamic.navigationStatus;
    const bool moored = status == 1 || status == 5 || status == 9 || target.staticData.storedMarker == 99;
    return moored && target.speed <= 3.0f;
}

char StatusAfter(const TargetRecord& target, int32_t removedAfter, int32_t lostAfter)
{
    if (target.lostCount > removedAfter)
        return 'X';
    if (target.lostCount > lostAfter)
        return 'L';
    return target.status;
}

}  // namespace

char AgedTargetStatus(const TargetRecord& target)
{
    if (target.kind > TargetSimulated)
        return LiesStill(target) ? StatusAfter(target, 600, 420) : StatusAfter(target, 180, 120);
    if (target.kind < TargetSimulated)
        return StatusAfter(target, 90, 60);
    return target.status;
}

int64_t LastReportTime(const TargetRecord& target)
{
    return int64_t(target.reportTime);
}

int64_t SecondsSinceReport(const TargetRecord& target, int64_t now)
{
    if (target.kind == TargetSimulated)
        return std::max<int64_t>(now - LastReportTime(target), 0);
    return std::max<int64_t>(target.lostCount, 0) * TargetAgeFactor();
}
