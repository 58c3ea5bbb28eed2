#include "userdata/ListPointStore.h"

#include "frame/SetupParameters.h"
#include "userdata/ObjectIds.h"
#include "userdata/PointStore.h"
#include "userdata/UserDatabase.h"

using namespace platform::isam;

namespace {

std::optional<IdRecord> NewObject(ObjectType type, int32_t latitude, int32_t longitude, uint32_t time)
{
    const bool route = type == ObjectType::ROUTE;
    IdRecord record;
    record.objectType = type;
    record.latitude = latitude;
    record.longitude = longitude;
    record.time = time;
    record.colour = route ? TypedRouteColour : SetupParameters.LineColour;
    if (AddNewObject(record, route ? IdRange::Route : IdRange::Line) != Status::Ok)
        return std::nullopt;
    return record;
}

std::optional<IdRecord> ReadObject(ObjectType type, int32_t id)
{
    IdRecord record;
    record.objectType = type;
    record.id = id;
    if (UserIsam.readEqual(IdTypeKey, UserKeyValue(IdTypeKey, bytesOf(record)), bytesOf(record)) != Status::Ok)
        return std::nullopt;
    return record;
}

void PutRouteDefaults(PointRecord& point)
{
    point.attributes[RoutePointWord::TurnRadius] = uint16_t(SetupParameters.DefaultTurnRadius);
    point.attributes[RoutePointWord::DefaultLane] = uint16_t(SetupParameters.DefaultLane);
    point.attributes[RoutePointWord::DefaultSpeed] = uint16_t(SetupParameters.DefaultRouteSpeed);
    point.attributes[RoutePointWord::SafetyDepth] = uint16_t(SetupParameters.SafetyContour);
}

}  // namespace

std::optional<StoredListPoint> StoreListPoint(ObjectType type, int32_t id, uint16_t sequence,
                                              int32_t latitude, int32_t longitude, uint32_t time)
{
    StoredListPoint stored;
    std::optional<IdRecord> object = id != 0 ? ReadObject(type, id) : std::nullopt;
    if (!object) {
        object = NewObject(type, latitude, longitude, time);
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
