#include "app/GuardZones.h"

#include "frame/PixelGeometry.h"
#include "frame/RhumbLine.h"
#include "frame/SetupParameters.h"
#include "sensors/OwnShipState.h"
#include "sensors/SensorSettings.h"
#include "sensors/TargetTable.h"
#include "userdata/DatabaseReports.h"
#include "userdata/ObjectPoints.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserDatabase.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using namespace platform::isam;

namespace {

struct GuardZone {
    int32_t id = 0;
    std::string name;
    std::vector<ScreenPoint> ring;  // chart units, the first point repeated at the end
    bool inRange = false;
};

// The zone's own first GuardZonePoints points, closed into a ring; none for fewer than three.
// The stored point count is not trusted: it may be stale until a sweep repairs it.
std::vector<ScreenPoint> ZoneRing(const IdRecord& zone)
{
    std::vector<PointRecord> points;
    if (!ReadObjectPoints(zone.id, points))
        return {};
    const size_t count = std::min<size_t>(points.size(), GuardZonePoints);
    std::vector<ScreenPoint> ring;
    ring.reserve(count + 1);
    for (size_t i = 0; i < count; ++i)
        ring.push_back({ChartFromStored(points[i].longitude), ChartFromStored(points[i].latitude)});
    if (ring.size() >= 3 && (ring.front().x != ring.back().x || ring.front().y != ring.back().y))
        ring.push_back(ring.front());
    return ring.size() >= 4 ? ring : std::vector<ScreenPoint>{};
}

// Every guard zone of the data set; the points only of those within the AIS range.
std::vector<GuardZone> ReadGuardZones()
{
    const int32_t range = AisRangeMiles(SetupParameters);
    std::vector<GuardZone> zones;
    IdRecord record;
    record.objectType = ObjectType::LINE;
    Status status = UserIsam.readGreaterOrEqual(IdTypeKey, UserKeyValue(IdTypeKey, bytesOf(record)), bytesOf(record));
    while (status == Status::Ok && record.objectType == ObjectType::LINE) {
        const IdRecord zone = record;
        if (zone.colour == GuardZoneColour) {
            const cmgbase::GeoPoint start{ChartFromStored(zone.longitude), ChartFromStored(zone.latitude)};
            GuardZone& added = zones.emplace_back();
            added.id = zone.id;
            added.name.assign(zone.name, strnlen(zone.name, sizeof zone.name));
            added.inRange = range >= AisRangeUnlimited ||
                            RhumbDistanceWithin(start, OwnShip.referencePosition, double(range));
            if (added.inRange)
                added.ring = ZoneRing(zone);
        }
        status = UserIsam.readGreater(IdTypeKey, UserKeyValue(IdTypeKey, bytesOf(zone)), bytesOf(record));
    }
    CheckRecordStatus("read", IdFile, status);
    return zones;
}

// Whether the target's position lies inside the ring. The ring is taken relative to the target,
// longitudes the short way round, so that a zone across the date line holds its targets too.
bool Inside(const std::vector<ScreenPoint>& ring, const TargetRecord& target)
{
    const int32_t x = target.positionX;
    const int32_t y = target.positionY;
    std::vector<ScreenPoint> relative(ring.size());
    for (size_t i = 0; i < ring.size(); ++i)
        relative[i] = {int32_t(uint32_t(ring[i].x) - uint32_t(x)), int32_t(uint32_t(ring[i].y) - uint32_t(y))};
    return PointInPolygon(int32_t(relative.size()), relative.data(), 0, 0) % 2 == 1;
}

// The target's slots for one zone it is inside or outside of, and the event that gives.
void Follow(TargetRecord& target, int32_t index, const GuardZone& guardZone, bool inside, const AisEventLog& log)
{
    const int32_t zone = guardZone.id;
    const int32_t first = target.guardZones[0];
    const int32_t second = target.guardZones[1];
    int32_t event = -1;
    if (inside) {
        if (first == 0 && second != zone) {
            target.guardZones[0] = zone;
            event = GuardZoneEnter;
        } else if (first != zone && second == 0) {
            target.guardZones[1] = zone;
            event = GuardZoneEnter;
        }
    } else if (first == zone) {
        target.guardZones[0] = 0;
        event = GuardZoneLeave;
    } else if (second == zone) {
        target.guardZones[1] = 0;
        event = GuardZoneLeave;
    }
    if (event >= 0 && log)
        log(index, event, guardZone.name);
}

bool Followed(const TargetRecord& target)
{
    return target.id != -1 && IsNineDigitMmsi(target.id);
}

}  // namespace

void CheckGuardZones(const AisEventLog& log)
{
    if (!UserIsam.isStarted())
        return;
    const std::vector<GuardZone> zones = ReadGuardZones();
    const auto known = [&zones](int32_t id) {
        return std::any_of(zones.begin(), zones.end(), [id](const GuardZone& zone) { return zone.id == id; });
    };
    for (int32_t index = 0; index < TargetCount; ++index) {
        TargetRecord& target = TargetTable[size_t(index)];
        for (int slot = 0; slot < 2; ++slot)
            if (target.guardZones[slot] != 0 && !known(target.guardZones[slot]))
                target.guardZones[slot] = 0;
    }
    for (const GuardZone& zone : zones) {
        if (zone.ring.empty())
            continue;
        for (int32_t index = 0; index < TargetCount; ++index) {
            TargetRecord& target = TargetTable[size_t(index)];
            if (Followed(target))
                Follow(target, index, zone, Inside(zone.ring, target), log);
        }
    }
}
