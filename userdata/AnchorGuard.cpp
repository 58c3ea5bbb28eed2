#include "userdata/AnchorGuard.h"

#include "userdata/StoredPosition.h"

AnchorGuardZone AnchorGuard;

void SetAnchorGuard(const IdRecord& zone, float radius)
{
    AnchorGuard.zoneId = zone.id;
    AnchorGuard.centre = {ChartFromStored(zone.longitude), ChartFromStored(zone.latitude)};
    AnchorGuard.radius = radius;
}

void ClearAnchorGuard()
{
    AnchorGuard = {};
}
