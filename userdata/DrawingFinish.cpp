#include "userdata/DrawingFinish.h"

#include "userdata/DatabaseReports.h"
#include "userdata/ObjectPoints.h"
#include "userdata/PointStore.h"
#include "userdata/RouteTable.h"
#include "userdata/UserDatabase.h"

#include <vector>

using namespace platform::isam;

namespace {

// Colours 7 and above mark guard zones and the like; they stay.
constexpr uint16_t FirstSpecialColour = 7;

}  // namespace

bool ClearObjectEditMark(int32_t id, std::optional<uint16_t> colour)
{
    IdRecord record;
    record.id = id;
    if (CheckRecordStatus("read", IdFile,
                          UserIsam.readEqual(IdNumberKey, UserKeyValue(IdNumberKey, bytesOf(record)),
                                             bytesOf(record))) != Status::Ok)
        return false;
    if (colour && record.colour < FirstSpecialColour)
        record.colour = *colour;
    record.value = 0;
    return CheckRecordStatus("rewrite", IdFile, UserIsam.rewriteRecord(IdFile, bytesOf(record))) == Status::Ok;
}

int32_t StoreRoutePointFlags(int32_t routeId)
{
    std::vector<PointRecord> points;
    ReadObjectPoints(routeId, points);
    const int32_t count = RouteEntryCount();
    int32_t rewritten = 0;
    for (PointRecord& point : points) {
        const int32_t sequence = point.sequence;
        if (sequence < 1 || sequence > count)
            continue;
        const uint16_t word = point.attributes[RoutePointWord::DangerFlags];
        const uint8_t flags = RouteTable[size_t(sequence - 1)].dangerFlags;
        if ((word & 0xFF) == flags)
            continue;
        point.attributes[RoutePointWord::DangerFlags] = static_cast<uint16_t>((word & 0xFF00) | flags);
        if (AddObjectPoint(point) == PointStore::Rewritten)
            ++rewritten;
    }
    return rewritten;
}
