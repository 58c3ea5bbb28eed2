#include "app/TargetAgeing.h"

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
    if (target.kind > TargetKindDeadReckoned)
        return LiesStill(target) ? StatusAfter(target, 600, 420) : StatusAfter(target, 180, 120);
    if (target.kind < TargetKindDeadReckoned)
        return StatusAfter(target, 90, 60);
    return target.status;
}

double DeadReckonedDistance(int64_t now, int64_t lastReport, float speed)
{
    const int64_t elapsed = std::max<int64_t>(now - lastReport, 0);
    return double(elapsed) * double(speed) / 3600.0;
}

int64_t LastReportTime(const TargetRecord& target)
{
    if (target.count <= 0)
        return 0;
    return int64_t(target.timeHistory[std::min<int>(target.count, TargetRecord::TrackPoints) - 1]);
}
