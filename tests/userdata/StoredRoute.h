#pragma once
// A route stored in an open user database as a drawn route is stored: its object, its points
// from sequence 1, the route defaults in the first point, and the names of named waypoints.

#include "platform/geodesy/NormalisedCoordinates.h"
#include "userdata/UserDatabase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct StoredWaypoint {
    double latitude, longitude;
    uint16_t lane, radius, speed;
    int16_t stop;
    uint8_t legKind, danger;
    std::string name;
};

// Five waypoints across the Kattegat, each leg with its own speed, lane and radius; a great circle
// leaves the first, the third is a stop, three are named.
inline const std::vector<StoredWaypoint> Kattegat{
    {57.70, 11.80, 20, 40, 120, 0, 0, 1, "Vinga"},
    {57.40, 11.50, 25, 60, 110, 0, 0, 0, ""},
    {57.10, 11.70, 30, 70, 100, 20, 1, 16, "Anholt N"},
    {56.80, 11.20, 35, 80, 90, 0, 0, 0, ""},
    {56.50, 11.00, 0, 0, 0, 0, 0, 0, "Grenaa"},
};

inline void StoreRoute(int32_t id, const std::vector<StoredWaypoint>& waypoints)
{
    using platform::isam::Status;
    using platform::isam::bytesOf;
    IdRecord object;
    object.objectType = ObjectType::ROUTE;
    object.id = id;
    object.latitude = object.longitude = 1;
    object.pointCount = static_cast<uint16_t>(waypoints.size());
    ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(object)), Status::Ok);
    uint16_t sequence = 0;
    for (const StoredWaypoint& w : waypoints) {
        PointRecord point;
        point.id = id;
        point.sequence = ++sequence;
        point.latitude = cmgbase::round(w.latitude * PositionUnitsPerDegree);
        point.longitude = cmgbase::round(w.longitude * PositionUnitsPerDegree);
        point.attributes[RoutePointWord::Lane] = w.lane;
        point.attributes[RoutePointWord::TurnRadius] = w.radius;
        point.attributes[RoutePointWord::Speed] = w.speed;
        point.attributes[RoutePointWord::StopMinutes] = static_cast<uint16_t>(w.stop);
        point.attributes[RoutePointWord::LegKind] = w.legKind;
        point.attributes[RoutePointWord::DangerFlags] = w.danger;
        if (sequence == 1) {
            point.attributes[RoutePointWord::SafetyDepth] = 12;
            point.attributes[RoutePointWord::DefaultLane] = 15;
            point.attributes[RoutePointWord::DefaultSpeed] = 95;
        }
        ASSERT_EQ(UserIsam.addRecord(PointFile, bytesOf(point)), Status::Ok);
        if (!w.name.empty()) {
            InfoRecord info;
            info.keyId = id;
            info.kind = sequence;
            const uint32_t length = SetInfoText(info, w.name);
            ASSERT_EQ(UserIsam.addRecord(InfoFile, bytesOf(info).first(length)), Status::Ok);
        }
    }
}
