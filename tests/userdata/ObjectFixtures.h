#pragma once
// Stored objects written straight into the open user database, as the editing tools and the
// track recording store them: id records, points in sequence order and texts.

#include "platform/geodesy/GeoTypes.h"
#include "platform/isam/IsamLibrary.h"
#include "userdata/ObjectIds.h"
#include "userdata/StoredPosition.h"
#include "userdata/UserDatabase.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string_view>

inline IdRecord StoredObject(ObjectType type, int32_t id, uint16_t colour, std::string_view name = {},
                             uint32_t time = 0)
{
    IdRecord object;
    object.objectType = type;
    object.id = id;
    object.colour = colour;
    object.time = time;
    SetFixedText(object.name, name);
    return object;
}

// Adds the object with AddIdRecord (a taken position moves it east), its reference positions
// at its first and last point when it has points.
inline void StoreObject(IdRecord object, std::span<const PointRecord> points = {})
{
    if (!points.empty()) {
        object.latitude = points.front().latitude;
        object.longitude = points.front().longitude;
        object.endLatitude = points.back().latitude;
        object.endLongitude = points.back().longitude;
    }
    const int32_t id = object.id;
    ASSERT_EQ(AddIdRecord(object, IdRange::Import), platform::isam::Status::Ok);
    ASSERT_EQ(object.id, id);
    for (const PointRecord& point : points)
        ASSERT_EQ(UserIsam.addRecord(PointFile, platform::isam::bytesOf(point)), platform::isam::Status::Ok);
}

inline PointRecord StoredPoint(int32_t id, uint16_t sequence, const cmgbase::GeoPoint& position)
{
    PointRecord point;
    point.id = id;
    point.sequence = sequence;
    point.latitude = StoredFromChart(position.y);
    point.longitude = StoredFromChart(position.x);
    return point;
}

inline void StoreText(int32_t id, uint16_t kind, std::string_view text)
{
    InfoRecord info;
    info.keyId = id;
    info.kind = kind;
    const uint32_t length = SetInfoText(info, text);
    ASSERT_EQ(UserIsam.addRecord(InfoFile, platform::isam::bytesOf(info).first(length)), platform::isam::Status::Ok);
}
