// Object ids and adding objects at taken positions, on real files.

#include "UserDatabaseFixture.h"
#include "userdata/ObjectIds.h"

#include <set>

using namespace platform::isam;

TEST_F(UserDatabaseTest, FirstIdsOfAnEmptyDatabase)
{
    open();
    const std::vector<std::pair<IdRange, int32_t>> cases{
        {IdRange::Track, 1001}, {IdRange::Route, 1},        {IdRange::Line, 10001},
        {IdRange::TargetTrack, 9001}, {IdRange::Symbol, 20001},
    };
    for (const auto& [range, first] : cases)
        EXPECT_EQ(NewObjectId(range), first) << static_cast<int>(range);
}

TEST_F(UserDatabaseTest, NewIdSkipsIdsHeldByObjectsOfAnyType)
{
    open();
    ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(Object(ObjectType::TRACK, 1001, 0, 1))),
              Status::Ok);
    ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(Object(ObjectType::ROUTE, 1002, 0, 2))),
              Status::Ok);
    ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(Object(ObjectType::TRACK, 1004, 0, 4))),
              Status::Ok);
    EXPECT_EQ(NewObjectId(IdRange::Track), 1003);
}

TEST_F(UserDatabaseTest, ImportedObjectsAreNumberedInRandomStepsOfAtMostAHundred)
{
    open();
    const int32_t first = NewObjectId(IdRange::Import);
    EXPECT_GT(first, 100000);
    EXPECT_LE(first, 100100);
    std::set<int32_t> taken;
    for (int n = 0; n < 20; ++n) {
        const int32_t id = NewObjectId(IdRange::Import);
        EXPECT_GT(id, 100000);
        EXPECT_LE(id, 100000 + 100 * (n + 1));
        ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(Object(ObjectType::SYMBOL, id, 0, n))),
                  Status::Ok)
            << "a free id";
        taken.insert(id);
    }
    EXPECT_EQ(taken.size(), 20u);
}

TEST_F(UserDatabaseTest, ObjectsOfOneTypeAtOnePositionDifferByOneUnitOfLongitude)
{
    open();
    const int32_t latitude = 54 * PositionUnitsPerDegree, longitude = 10 * PositionUnitsPerDegree;
    std::vector<int32_t> stored;
    for (int n = 0; n < 3; ++n) {
        IdRecord symbol = Object(ObjectType::SYMBOL, NewObjectId(IdRange::Symbol), latitude,
                                 longitude);
        ASSERT_EQ(AddIdRecord(symbol, IdRange::Symbol), Status::Ok);
        stored.push_back(int32_t{symbol.longitude});
    }
    EXPECT_EQ(stored, (std::vector<int32_t>{longitude, longitude + 1, longitude + 2}));

    IdRecord route = Object(ObjectType::ROUTE, NewObjectId(IdRange::Route), latitude, longitude);
    ASSERT_EQ(AddIdRecord(route, IdRange::Route), Status::Ok);
    EXPECT_EQ(int32_t{route.longitude}, longitude) << "another type keeps its position";
}

TEST_F(UserDatabaseTest, IdTakenMeanwhileIsTakenAnewInsteadOfMovingThePosition)
{
    open();
    IdRecord track = Object(ObjectType::TRACK, NewObjectId(IdRange::Track), 100, 200);
    // Another station stores an object under the same id first.
    ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(Object(ObjectType::LINE, track.id, 5, 5))),
              Status::Ok);

    ASSERT_EQ(AddIdRecord(track, IdRange::Track), Status::Ok);
    EXPECT_EQ(int32_t{track.id}, 1002);
    EXPECT_EQ(int32_t{track.longitude}, 200);
    EXPECT_TRUE(failures.empty());
}

TEST_F(UserDatabaseTest, AddingAtAPositionWithNoFreeLongitudeNearbyGivesUp)
{
    location.sharedObjects = true;  // no synchronous commit per record: quicker to fill
    open();
    for (int32_t n = 0; n < MaxAddAttempts; ++n)
        ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(Object(ObjectType::TRACK, 1001 + n, 0, n))),
                  Status::Ok);

    IdRecord track = Object(ObjectType::TRACK, NewObjectId(IdRange::Track), 0, 0);
    EXPECT_EQ(AddIdRecord(track, IdRange::Track), Status::KeyExists);
    EXPECT_EQ(countRecords(IdNumberKey), MaxAddAttempts);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].status, Status::KeyExists);
}

TEST_F(UserDatabaseTest, AddFailureOtherThanATakenKeyIsReported)
{
    open();
    IdRecord track = Object(ObjectType::TRACK, 1001);
    CloseUserDatabase();
    EXPECT_EQ(AddIdRecord(track, IdRange::Track), Status::NotStarted);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].file, IdFile);
    EXPECT_EQ(failures[0].status, Status::NotStarted);
}
