// A stored track turned into a new route by point reduction, on a real user database.

#include "RouteTestSupport.h"
#include "TrackTestSupport.h"
#include "userdata/ObjectToRoute.h"
#include "userdata/PointStore.h"

#include <gtest/gtest.h>

#include <vector>

using namespace platform::isam;

namespace {

constexpr int32_t Track = 1001;

class ObjectToRouteTest : public TrackDatabaseTest {
protected:
    void SetUp() override
    {
        TrackDatabaseTest::SetUp();
        ResetRouteState();
        ClockSeconds = SomeTime;
        SetupParameters.TrackConversionTolerance = 5;  // 0.05 nm
    }

    void TearDown() override
    {
        ResetRouteState();
        TrackDatabaseTest::TearDown();
    }

    // Stores a track of the points (stored units) with sequences from 0 and shows it; the
    // object's point count is left 0, as imports and cuts leave it.
    static void storeTrack(int32_t id, const std::vector<std::pair<int32_t, int32_t>>& points)
    {
        IdRecord object = Object(ObjectType::TRACK, id, points.front().first, points.front().second);
        ASSERT_EQ(UserIsam.addRecord(IdFile, bytesOf(object)), Status::Ok);
        for (size_t n = 0; n < points.size(); ++n) {
            PointRecord point;
            point.id = id;
            point.sequence = uint16_t(n);
            point.latitude = points[n].first;
            point.longitude = points[n].second;
            ASSERT_EQ(AddObjectPoint(point), PointStore::Added);
        }
        IdShownBuffer = object;
    }

    static std::vector<std::pair<int32_t, int32_t>> routePoints(int32_t id)
    {
        std::vector<std::pair<int32_t, int32_t>> positions;
        for (const PointRecord& point : StoredPoints(id))
            positions.emplace_back(int32_t{point.latitude}, int32_t{point.longitude});
        return positions;
    }
};

// A track north, then east: the route keeps its ends and the corner, as a ROUTE of colour 2
// made now, numbered 1, 2, 3 with its point count, and becomes the route in use. The points of
// the next object are not read into it.
TEST_F(ObjectToRouteTest, TrackBecomesARouteOfItsCorners)
{
    const int32_t lat = Stored(54.0), lon = Stored(10.0);
    std::vector<std::pair<int32_t, int32_t>> track;
    for (int n = 0; n <= 10; ++n)
        track.emplace_back(lat + 1000 * n, lon + (n % 2) * 100);
    for (int n = 1; n <= 10; ++n)
        track.emplace_back(lat + 10000 + (n % 2) * 100, lon + 1700 * n);
    storeTrack(Track, track);
    PointRecord stray;
    stray.id = Track + 1;
    stray.latitude = lat - 50000;
    ASSERT_EQ(AddObjectPoint(stray), PointStore::Added);

    const int32_t route = SimplifyObjectPoints();

    ASSERT_EQ(route, 1);
    EXPECT_EQ(RouteId, route);
    const std::optional<IdRecord> object = StoredObject(route);
    ASSERT_TRUE(object);
    EXPECT_EQ(ObjectType{object->objectType}, ObjectType::ROUTE);
    EXPECT_EQ(uint16_t{object->colour}, 2);
    EXPECT_EQ(uint32_t{object->time}, uint32_t(SomeTime));
    EXPECT_EQ(uint16_t{object->pointCount}, 3);
    EXPECT_EQ(int32_t{object->latitude}, lat);
    EXPECT_EQ(int32_t{object->longitude}, lon);
    EXPECT_EQ(routePoints(route), (std::vector<std::pair<int32_t, int32_t>>{
                                      {lat, lon}, {lat + 10000, lon}, {lat + 10000, lon + 17000}}));
    std::vector<int> sequences;
    for (const PointRecord& point : StoredPoints(route)) {
        sequences.push_back(point.sequence);
        EXPECT_EQ(uint32_t{point.time}, uint32_t(SomeTime));
    }
    EXPECT_EQ(sequences, (std::vector<int>{1, 2, 3}));
}

// The longitude is divided by the cosine of the start latitude in whole degrees before it is
// measured against the tolerance (500 units at setting 5): at 60 degrees a sideways step of 200
// units of longitude counts 400 and goes, one of 300 counts 600 and stays; from 60.9 degrees a
// step of 249 is still taken at 60 and goes. From the pole the cosine is held off 0 and the
// positions come back unchanged.
TEST_F(ObjectToRouteTest, LongitudeIsScaledByTheStartLatitude)
{
    struct Case {
        double startLatitude;
        int32_t northward;  // units a point
        int32_t sideways;
        size_t routePoints;
    };
    for (const Case& c : {Case{60.0, 10000, 200, 2}, Case{60.0, 10000, 300, 3},
                          Case{60.9, 10000, 249, 2}, Case{90.0, -10000, 1, 3}}) {
        ResetRouteState();
        ClearObjectFiles();
        const int32_t lat = Stored(c.startLatitude);
        const std::vector<std::pair<int32_t, int32_t>> track{
            {lat, 0}, {lat + c.northward, c.sideways}, {lat + 2 * c.northward, 0}};
        storeTrack(Track, track);

        const int32_t route = SimplifyObjectPoints();

        ASSERT_NE(route, 0) << c.startLatitude;
        const auto points = routePoints(route);
        EXPECT_EQ(points.size(), c.routePoints) << c.startLatitude << " sideways " << c.sideways;
        if (points.size() == 3) {
            EXPECT_EQ(points, track) << c.startLatitude;
        }
    }
}

// A track reduced to more than 500 points gives a route of its first 500, with that count.
TEST_F(ObjectToRouteTest, RouteHoldsAtMostFiveHundredPoints)
{
    SetupParameters.TrackConversionTolerance = 0;
    std::vector<std::pair<int32_t, int32_t>> zigzag;
    for (int n = 0; n < 620; ++n)
        zigzag.emplace_back(Stored(54.0) + 100 * n, Stored(10.0) + (n % 2) * 1000);
    storeTrack(Track, zigzag);

    const int32_t route = SimplifyObjectPoints();

    ASSERT_NE(route, 0);
    EXPECT_EQ(uint16_t{StoredObject(route)->pointCount}, 500);
    const auto points = routePoints(route);
    ASSERT_EQ(points.size(), 500u);
    EXPECT_EQ(points, std::vector(zigzag.begin(), zigzag.begin() + 500));
    EXPECT_EQ(uint16_t{StoredPoints(route).back().sequence}, 500);
}

// Nothing to make: one point, or none readable. A failed read or write is reported and leaves no
// route and the route in use as it was.
TEST_F(ObjectToRouteTest, NothingIsMadeOfTooFewPointsOrOnFailure)
{
    RouteId = 7;
    storeTrack(Track, {{Stored(54.0), Stored(10.0)}});
    EXPECT_EQ(SimplifyObjectPoints(), 0);

    ClearObjectFiles();
    storeTrack(Track, {{Stored(54.0), 0}, {Stored(54.1), 0}, {Stored(54.2), 5000}});
    ASSERT_EQ(UserIsam.closeFileSet(IdFile), Status::Ok);
    EXPECT_EQ(SimplifyObjectPoints(), 0);
    EXPECT_FALSE(failures.empty());

    ASSERT_TRUE(OpenUserDatabase());
    failures.clear();
    ASSERT_EQ(UserIsam.closeFileSet(PointFile), Status::Ok);
    EXPECT_EQ(SimplifyObjectPoints(), 0);
    EXPECT_FALSE(failures.empty());

    ASSERT_TRUE(OpenUserDatabase());
    EXPECT_EQ(StoredObjects().size(), 1u) << "the track alone";
    EXPECT_EQ(RouteId, 7);
}

}  // namespace
