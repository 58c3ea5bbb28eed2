#include "userdata/RouteCheckStore.h"

#include "userdata/ObjectPoints.h"
#include "userdata/PointStore.h"
#include "userdata/RouteTable.h"
#include "userdata/UserDatabase.h"
#include "userdata/UserRecords.h"

#include <map>
#include <vector>

namespace {

// The flags each stored point of the route is to hold, by its sequence number.
std::map<uint16_t, uint8_t> FlagsBySequence()
{
    std::map<uint16_t, uint8_t> flags;
    const int32_t count = RouteEntryCount();
    for (int32_t i = 0; i < count; ++i) {
        const WP_typ& entry = RouteTable[size_t(i)];
        if (!entry.isStoredPoint() || int64_t(entry.objectId) != RouteId)
            continue;
        if (RouteForward)
            flags[entry.sequence] = entry.dangerFlags;
        else if (i > 0)
            flags[entry.sequence] = RouteTable[size_t(i - 1)].dangerFlags;
    }
    return flags;
}

}  // namespace

int32_t StoreRouteCheckFlags(int16_t safetyDepth)
{
    if (RouteId == 0 || RouteId == RouteNotStored || !UserIsam.isStarted())
        return 0;
    const std::map<uint16_t, uint8_t> flags = FlagsBySequence();
    std::vector<PointRecord> points;
    ReadObjectPoints(RouteId, points);
    const uint16_t depth = uint16_t(safetyDepth);
    int32_t rewritten = 0;
    for (PointRecord& point : points) {
        uint16_t& depthWord = point.attributes[RoutePointWord::SafetyDepth];
        uint16_t& flagsWord = point.attributes[RoutePointWord::DangerFlags];
        const auto wanted = flags.find(point.sequence);
        const uint16_t newFlags =
            wanted == flags.end() ? flagsWord : uint16_t((flagsWord & 0xFF00) | wanted->second);
        if (depthWord == depth && flagsWord == newFlags)
            continue;
        depthWord = depth;
        flagsWord = newFlags;
        if (AddObjectPoint(point) == PointStore::Rewritten)
            ++rewritten;
    }
    return rewritten;
}
