// Reading and deleting a stored object's records on real files: the batch read of its points,
// and DeleteObject, which leaves nothing of the object and nothing else touched.

#include "ObjectFixtures.h"
#include "UserDatabaseFixture.h"
#include "platform/geodesy/NormalisedCoordinates.h"
#include "userdata/ObjectDeletion.h"
#include "userdata/ObjectPoints.h"

#include <algorithm>
#include <cstring>
#include <vector>

using namespace platform::isam;

namespace {

cmgbase::GeoPoint Along(int n)
{
    return {cmgbase::deg2nrm(10.0 + n * 0.001), cmgbase::deg2nrm(55.0)};
}

// Objects 6, 7 and 8 of the type, each with points of the sequences and texts of the kinds.
void StoreNeighbours(ObjectType type, const std::vector<uint16_t>& sequences, const std::vector<uint16_t>& kinds)
{
    for (int32_t id : {6, 7, 8}) {
        std::vector<PointRecord> points;
        for (uint16_t sequence : sequences)
            points.push_back(StoredPoint(id, sequence, Along(sequence)));
        IdRecord object = StoredObject(type, id, 1);
        object.longitude = id;  // key 2: one position per object
        StoreObject(object);
        for (const PointRecord& point : points)
            ASSERT_EQ(UserIsam.addRecord(PointFile, bytesOf(point)), Status::Ok);
        for (uint16_t kind : kinds)
            StoreText(id, kind, "text " + std::to_string(kind));
    }
}

// The ids of the records met walking the key from its first to its last.
std::vector<int32_t> OwnersAlong(UserKey key)
{
    std::vector<int32_t> owners;
    std::vector<std::byte> buffer(sizeof(InfoRecord));
    const size_t at = key == IdTypeKey ? offsetof(IdRecord, id) : offsetof(PointRecord, id);
    for (Status s = UserIsam.readFirst(key, buffer); s == Status::Ok; s = UserIsam.readNext(key, buffer)) {
        int32_t id = 0;
        std::memcpy(&id, buffer.data() + at, sizeof id);
        owners.push_back(id);
    }
    return owners;
}

}  // namespace

// 1,234 points make three parts of the batch; they come back whole and in key order, where
// sequences from 32768 on sort before 0, and without the neighbours' points.
TEST_F(UserDatabaseTest, AnObjectsPointsAreReadWholeInKeyOrder)
{
    open();
    std::vector<uint16_t> sequences;
    for (uint16_t s = 0; s < 1232; ++s)
        sequences.push_back(s);
    sequences.push_back(32768);
    sequences.push_back(65535);
    StoreNeighbours(ObjectType::TRACK, sequences, {});

    std::vector<PointRecord> points;
    ASSERT_TRUE(ReadObjectPoints(7, points));
    ASSERT_EQ(points.size(), 1234u);
    EXPECT_EQ(int64_t{points[0].sequence}, 32768);
    EXPECT_EQ(int64_t{points[1].sequence}, 65535);
    for (size_t i = 2; i < points.size(); ++i) {
        ASSERT_EQ(int64_t{points[i].id}, 7);
        ASSERT_EQ(int64_t{points[i].sequence}, int64_t(i) - 2);
        ASSERT_EQ(int64_t{points[i].longitude}, StoredFromChart(Along(int(i - 2)).x));
    }
    EXPECT_TRUE(ReadObjectPoints(9, points)) << "an object without points is read to its end";
    EXPECT_TRUE(points.empty());
    EXPECT_TRUE(failures.empty());
}

TEST_F(UserDatabaseTest, AFailedReadOfPointsIsReportedAndNotComplete)
{
    open();
    StoreNeighbours(ObjectType::TRACK, {1, 2, 3}, {});
    ASSERT_EQ(UserIsam.closeFileSet(PointFile), Status::Ok);
    std::vector<PointRecord> points;
    EXPECT_FALSE(ReadObjectPoints(7, points));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].file, PointFile);
}

// The object's id record, every point and every text go, whatever their sequences and kinds;
// the neighbours keep theirs.
TEST_F(UserDatabaseTest, DeleteObjectLeavesNothingOfTheObject)
{
    open();
    StoreNeighbours(ObjectType::LINE, {0, 1, 2, 500, 32767, 40000}, {0, 1, 3, 50000});
    ASSERT_TRUE(DeleteObject(ObjectType::LINE, 7));
    EXPECT_EQ(OwnersAlong(IdTypeKey), (std::vector<int32_t>{6, 8}));
    std::vector<int32_t> expected(6, 6);
    expected.insert(expected.end(), 6, 8);
    std::vector<int32_t> points = OwnersAlong(PointKey);
    std::sort(points.begin(), points.end());
    EXPECT_EQ(points, expected);
    std::vector<int32_t> texts = OwnersAlong(InfoKey);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<int32_t>{6, 6, 6, 6, 8, 8, 8, 8}));
    EXPECT_TRUE(failures.empty());

    EXPECT_FALSE(DeleteObject(ObjectType::LINE, 7)) << "gone already";
    EXPECT_FALSE(DeleteObject(ObjectType::TRACK, 6)) << "another type: not this object";
    EXPECT_EQ(OwnersAlong(IdTypeKey), (std::vector<int32_t>{6, 8}));
    EXPECT_EQ(countRecords(PointKey), 12);
}
