#pragma once
// Own-track recording on a real user database: a clean track state before and after each test,
// own-ship fixes made from degrees, and what the database holds of objects and points.

#include "UserDatabaseFixture.h"
#include "frame/SetupParameters.h"
#include "frame/SharedTables.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "userdata/TrackFix.h"
#include "userdata/TrackState.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

constexpr int64_t SomeTime = 1700000000;
constexpr uint8_t SomeTrackColour = 3;

inline void ResetTrackState()
{
    SetupParameters = {};
    SetupParameters.TrackColour = SomeTrackColour;
    TrackLastSample = {};
    TrackSaveRequest = false;
    DatabaseTrackId = 0;
    DatabaseTrackPoints = 0;
    DatabaseTrackLengthBase = 0.0f;
    ClockSeconds = SomeTime;
}

inline TrackFix FixAt(double latitude, double longitude, float course = 0.0f)
{
    TrackFix fix;
    fix.latitude = latitude;
    fix.longitude = longitude;
    fix.position = {cmgbase::deg2nrm(longitude), cmgbase::deg2nrm(latitude)};
    fix.courseOverGround = course;
    fix.speedOverGround = 8.0f;
    return fix;
}

inline int32_t Stored(double degrees)
{
    return int32_t(std::lround(degrees * PositionUnitsPerDegree));
}

// Every object, in key 1 order (type, id).
inline std::vector<IdRecord> StoredObjects()
{
    std::vector<IdRecord> objects;
    IdRecord record;
    for (auto status = UserIsam.readFirst(IdTypeKey, platform::isam::bytesOf(record));
         status == platform::isam::Status::Ok;
         status = UserIsam.readNext(IdTypeKey, platform::isam::bytesOf(record)))
        objects.push_back(record);
    return objects;
}

inline std::optional<IdRecord> StoredObject(int32_t id)
{
    for (const IdRecord& object : StoredObjects()) {
        if (object.id == id)
            return object;
    }
    return std::nullopt;
}

// Every point of the object in key 5 order, whatever its sequence.
inline std::vector<PointRecord> StoredPoints(int32_t id)
{
    std::vector<PointRecord> points;
    PointRecord record;
    for (auto status = UserIsam.readFirst(PointKey, platform::isam::bytesOf(record));
         status == platform::isam::Status::Ok;
         status = UserIsam.readNext(PointKey, platform::isam::bytesOf(record))) {
        if (record.id == id)
            points.push_back(record);
    }
    return points;
}

// The sequence and latitude of every point of the object, in key 5 order.
using SequenceAndLatitude = std::pair<int, int32_t>;
inline std::vector<SequenceAndLatitude> StoredSequencesAndLatitudes(int32_t id)
{
    std::vector<SequenceAndLatitude> points;
    for (const PointRecord& point : StoredPoints(id))
        points.emplace_back(int{point.sequence}, int32_t{point.latitude});
    return points;
}

class TrackDatabaseTest : public UserDatabaseTest {
protected:
    void SetUp() override
    {
        UserDatabaseTest::SetUp();
        ResetTrackState();
        open();
    }

    void TearDown() override
    {
        ResetTrackState();
        UserDatabaseTest::TearDown();
    }
};
