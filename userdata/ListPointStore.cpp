#include "userdata/ListPointStore.h"

#include "userdata/DrawnPoints.h"
#include "userdata/PointStore.h"
#include "userdata/UserDatabase.h"

using namespace platform::isam;

namespace {

std::optional<IdRecord> ReadObject(ObjectType type, int32_t id)
{
    IdRecord record;
    record.objectType = type;
    record.id = id;
    if (UserIsam.readEqual(IdTypeKey, UserKeyValue(IdTypeKey, bytesOf(record)), bytesOf(record)) != Status::Ok)
        return std::nullopt;
    return record;
}

}  // namespace

std::optional<StoredListPoint> StoreListPoint(ObjectType type, int32_t id, uint16_t sequence,
                                              int32_t latitude, int32_t longitude, uint32_t time)
{
    StoredListPoint stored;
    std::optional<IdRecord> object = id != 0 ? ReadObject(type, id) : std::nullopt;
    if (!object) {
        object = AddDrawnObject(type, latitude, longitude, time);
        if (!object)
            return std::nullopt;
        stored.created = true;
    }
    stored.object = *object;

    PointRecord point;
    point.id = object->id;
    point.sequence = sequence;
    const bool held = UserIsam.readEqual(PointKey, UserKeyValue(PointKey, bytesOf(point)), bytesOf(point)) ==
                      Status::Ok;
    if (!held) {
        point.time = time;
        if (stored.created && type == ObjectType::ROUTE)
            PutRouteDefaults(point);
    }
    point.latitude = latitude;
    point.longitude = longitude;
    const PointStore result = AddObjectPoint(point);
    if (result == PointStore::Failed)
        return std::nullopt;
    stored.added = result == PointStore::Added;
    return stored;
}
